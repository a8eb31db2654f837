#pragma once

#include "platform/EKorvane.h"

// A database that cannot be reached or refuses the login. The message is the
// database's own text, kept intact so that the caller can show it as it came.
class EBancoDados : public EKorvane
{
public:
    using EKorvane::EKorvane;
};
