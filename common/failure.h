#pragma once
// A failure of a calculation step: a number and a German description, as the
// Abort/Retry/Ignore box shows them.

#include <QString>
#include <exception>

struct Failure : std::exception {
    int number;
    QString description;
    QString feld;  // the input the failing value came from, where that is known; else empty

    Failure(int number, QString description) : number(number), description(std::move(description)) {}
    const char* what() const noexcept override { return "Failure"; }
};

namespace failures {
inline constexpr int InvalidArgument = 5;
inline constexpr int Overflow = 6;
inline constexpr int IndexOutOfRange = 9;
inline constexpr int DivisionByZero = 11;

Failure overflow();
Failure divisionByZero();
Failure invalidArgument();
Failure indexOutOfRange();
} // namespace failures
