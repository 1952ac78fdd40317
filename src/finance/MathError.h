#pragma once
// The one failure of the loan finance functions. Raised from explicit checks
// of the failing conditions, never from floating-point traps.

#include <stdexcept>

namespace quorvant {

class MathError : public std::runtime_error {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };

    explicit MathError(Kind kind) : std::runtime_error(Message(kind)), kind_(kind) {}
    Kind kind() const noexcept { return kind_; }

private:
    static const char* Message(Kind kind)
    {
        switch (kind) {
        case Kind::InvalidOperation:
            return "Invalid floating point operation";
        case Kind::DivisionByZero:
            return "Floating point division by zero";
        case Kind::Overflow:
            return "Floating point overflow";
        }
        return "Floating point error";
    }
    Kind kind_;
};

} // namespace quorvant
