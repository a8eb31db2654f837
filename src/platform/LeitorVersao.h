#pragma once

#include "platform/FonteBytes.h"
#include "platform/RegistroVersao.h"

#include <QString>
#include <optional>

// The version record of an executable: the RT_VERSION resource of a PE file
// or the version note of an ELF file. Nothing when the file is missing,
// unreadable, of another kind or without a (readable) record; never throws
// for what the file holds.
std::optional<RegistroVersao> lerRegistroVersao(const QString& arquivo);
std::optional<RegistroVersao> lerRegistroVersao(const FonteBytes& fonte);
