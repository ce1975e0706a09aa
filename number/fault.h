#pragma once
// Floating-point faults of an evaluation: invalid operation, division by zero and
// overflow. Underflow and inexact results are not faults.
#include <cstdint>
#include <span>
#include <string_view>

namespace zolk {

enum class Fault : std::uint8_t { None, InvalidOperation, DivisionByZero, Overflow };

// "Invalid floating point operation", "Floating point division by zero",
// "Floating point overflow"; empty for Fault::None.
std::string_view FaultMessage(Fault fault);

// An evaluation watches its own arithmetic: it clears the status flags, passing the
// inputs of its formulas, computes, and then asks which fault was raised, passing its
// results. Traps stay disabled throughout.
void ClearFloatFaults(std::span<double> inputs);

// The most serious fault raised since ClearFloatFaults: overflow, then division by zero,
// then invalid operation. A result that is not finite counts as a fault even if no flag
// was raised.
Fault RaisedFloatFault(std::span<const double> results);

} // namespace zolk
