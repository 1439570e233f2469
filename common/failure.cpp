#include "common/failure.h"

namespace failures {
Failure overflow() { return {Overflow, QStringLiteral("Überlauf")}; }
Failure divisionByZero() { return {DivisionByZero, QStringLiteral("Division durch Null")}; }
Failure invalidArgument() { return {InvalidArgument, QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument")}; }
Failure indexOutOfRange() { return {IndexOutOfRange, QStringLiteral("Index außerhalb des gültigen Bereichs")}; }
} // namespace failures
