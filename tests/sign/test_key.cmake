# The throw-away signer of the signing tests, shared by the packaging test
# and the check of the installed programs. The PIN and password look like
# nothing else in the packaging's output, so that a leak of either shows.
set(ACPOWER_TEST_SIGNER "/CN=acpower test signer")
set(ACPOWER_TEST_PIN "tok-PIN-4417")
set(ACPOWER_TEST_PASSWORD "p12-pass-8093")
# A fixed time, so that two keys' signatures of one program can be compared.
set(ACPOWER_TEST_TIME 1764547200)
