#pragma once

#include "platform/FonteBytes.h"

#include <QByteArray>
#include <optional>

// How a Linux executable carries its version record: an ELF note whose owner
// is "Korvane" and whose type is 1, in the section ".note.korvane.versao"
// (SHT_NOTE, not loaded). The note's descriptor holds the VS_VERSIONINFO
// bytes exactly as a PE file's RT_VERSION resource does. The note header
// uses the byte order of the ELF file; the record itself is little-endian.
namespace NotaVersaoELF {
inline constexpr char kDono[] = "Korvane";
inline constexpr quint32 kTipo = 1;
inline constexpr char kSecao[] = ".note.korvane.versao";
} // namespace NotaVersaoELF

// The descriptor of that note, looked for in every note section and note
// segment of a 32- or 64-bit ELF file of either byte order; nothing when the
// source is not an ELF file or has no such note.
std::optional<QByteArray> lerNotaVersaoELF(const FonteBytes& fonte);
