#pragma once

#include "platform/FonteBytes.h"

#include <QByteArray>
#include <optional>

// The bytes of the version resource (RT_VERSION) of a PE file, PE32 or PE32+
// (.EXE, .DLL); nothing when the source is not a PE file or has none.
std::optional<QByteArray> lerRecursoVersaoPE(const FonteBytes& fonte);
