#pragma once

#include <stdexcept>
#include <string>

namespace tavrolin {

// An error that ends the running handler and, at the event dispatch, the
// program. The number is shown to the user with the description.
class Failure : public std::runtime_error {
public:
    Failure(int number, const std::string& description) : std::runtime_error(description), number_(number) {}

    int number() const { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};

// Inside a catch block: what was thrown, as the failure the user is shown
// (a Failure as it is, memory running out as error 7, anything else as an
// internal error 51).
Failure currentFailure() noexcept;

// Error numbers, kept to the classic BASIC runtime numbering that teachers'
// reference sheets use.
namespace error {
constexpr int overflow = 6;
constexpr int divisionByZero = 11;
constexpr int typeMismatch = 13;
constexpr int toolkit = 5;
} // namespace error

} // namespace tavrolin
