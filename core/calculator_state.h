#pragma once

namespace acpower {

// Everything the calculator knows. Every number is single precision, the
// counts included: a fractional or negative count is kept and used as typed.
struct CalculatorState {
    float Area = 0.0F;           // m²
    float CeilingHeight = 0.0F;  // m
    float PeopleCount = 0.0F;
    float ComputerCount = 0.0F;
    float AppliancePower = 0.0F;  // W
    float WindowFactor = 0.0F;    // W per m³, by the side the windows face
    float RoomVolume = 0.0F;      // m³
    float CoolingPower = 0.0F;    // kW
};

}  // namespace acpower
