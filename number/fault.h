#pragma once
// Floating-point faults of an evaluation: invalid operation, division by zero and
// overflow. Underflow and inexact results are not faults.
#include <cstdint>
#include <string_view>

namespace zolk {

enum class Fault : std::uint8_t { None, InvalidOperation, DivisionByZero, Overflow };

// "Invalid floating point operation", "Floating point division by zero",
// "Floating point overflow"; empty for Fault::None.
std::string_view FaultMessage(Fault fault);

} // namespace zolk
