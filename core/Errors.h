#pragma once

#include "core/ReactionFault.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace molvane {

/// A text that is not a number of the expected form, or arithmetic beyond its range.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A failure of a reaction or a formula, with its cause where one can be named.
class ReactionError : public std::runtime_error
{
public:
    explicit ReactionError(const std::string &what, ReactionFault fault = {})
        : std::runtime_error(what)
        , m_fault(std::move(fault))
    { }
    const ReactionFault &fault() const { return m_fault; }

private:
    ReactionFault m_fault;
};

/// A reaction text that does not follow the reaction grammar.
class InvalidReaction : public ReactionError
{
public:
    using ReactionError::ReactionError;
};

/// A well-formed reaction without exactly one all-positive answer.
class CannotBalance : public ReactionError
{
public:
    using ReactionError::ReactionError;
};

} // namespace molvane
