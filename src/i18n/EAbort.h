#pragma once

#include <exception>

// Thrown to end the current action without a further message: whoever catches
// it shows nothing.
class EAbort : public std::exception
{
public:
    const char* what() const noexcept override { return "Operação abortada"; }
};
