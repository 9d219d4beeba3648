#pragma once

namespace acpower::test {

// The reference's own literal rows: it must be right before it judges.
void RunReferenceRows();

// The result boxes' texts against the reference: every one of the 2^32
// singles, or the slice that an ordinary test run can afford, on `jobs`
// threads.
void RunSingleSweeps(bool everySingle, int jobs);

// The hover texts' figures against the reference: every power of ten and its
// neighbours, and random doubles, `randomCount` of each kind.
void RunDoubleSweeps(int randomCount);

}  // namespace acpower::test
