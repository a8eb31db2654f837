#pragma once

#include <QString>

// One enciphered field of an opening request ("t", "m", "s", "u", "p") back
// to its text. Raises ECodecCifra (an EKorvane) with the codec's message when
// the text is not Base64 or not whole blocks. Safe on any thread.
QString DecifrarCampo(const QString& pTexto);

// The portal's side of the same codec, for tools and tests.
QString CifrarCampo(const QString& pTexto);
