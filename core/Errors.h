#pragma once

#include <stdexcept>

namespace molvane {

/// A text that is not a number of the expected form, or arithmetic beyond its range.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A reaction text that does not follow the reaction grammar.
class InvalidReaction : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A well-formed reaction without exactly one all-positive answer.
class CannotBalance : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace molvane
