#!/usr/bin/env python3
"""Independent implementation of the field codec, for the tests.

AES-128-ECB from the cryptography package; the key rule and the ISO/IEC 7816-4
padding written out here. Texts and passwords travel as hexadecimal UTF-8 so
that no locale can alter them.

  cifrar SENHA_HEX TEXTO_HEX       -> Base64
  decifrar SENHA_HEX BASE64        -> TEXTO_HEX (strict padding; exit 3 when broken)
  cifrar-blocos CHAVE_HEX BLOCOS_HEX -> Base64 of raw AES blocks (no padding added)
  chave-minuto AAAAMMDDHHMM CODIGO -> the 16-character minute key
"""
import base64
import hashlib
import sys

from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes


def chave(senha: bytes) -> bytes:
    if len(senha) == 16:
        return senha
    d = hashlib.sha1(senha).digest()
    return (d * 2)[:16]


def aes(k: bytes, dados: bytes, cifrar: bool) -> bytes:
    c = Cipher(algorithms.AES(k), modes.ECB())
    op = c.encryptor() if cifrar else c.decryptor()
    return op.update(dados) + op.finalize()


def main(args):
    cmd = args[0]
    if cmd == "cifrar":
        texto = bytes.fromhex(args[2])
        pad = texto + b"\x80" + b"\x00" * ((15 - len(texto)) % 16)
        print(base64.b64encode(aes(chave(bytes.fromhex(args[1])), pad, True)).decode())
    elif cmd == "decifrar":
        claro = aes(chave(bytes.fromhex(args[1])), base64.b64decode(args[2]), False)
        corpo = claro.rstrip(b"\x00")
        if not corpo.endswith(b"\x80") or len(claro) - len(corpo) >= 16:
            sys.exit(3)
        print(corpo[:-1].hex())
    elif cmd == "cifrar-blocos":
        print(base64.b64encode(aes(bytes.fromhex(args[1]), bytes.fromhex(args[2]), True)).decode())
    elif cmd == "chave-minuto":
        m = args[1]  # AAAAMMDDHHMM, UTC
        texto = m[6:8] + m[4:6] + m[0:4] + m[8:10] + m[10:12] + args[2]
        print(hashlib.md5(texto.encode()).hexdigest().upper()[:16])
    else:
        sys.exit(2)


if __name__ == "__main__":
    main(sys.argv[1:])
