#pragma once

#include <exception>

namespace brisanel::numeric {

/// The run-time failures that end a calculation. Each click handler traps them and decides
/// which one earns a message.
enum class Failure {
    Overflow,          ///< a result or a conversion outside its type's range
    DivisionByZero,    ///< a finite non-zero value divided by zero
    InvalidOperation,  ///< an undefined result, such as 0 / 0
    TableLimit,        ///< a period or month number beyond the size of its working table
};

/// Thrown by the checked arithmetic and the number rules; carries the kind of failure.
class ArithmeticError : public std::exception {
public:
    explicit ArithmeticError(Failure kind) noexcept : kind_(kind) {}
    Failure kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    Failure kind_;
};

}  // namespace brisanel::numeric
