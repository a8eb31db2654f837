"""Prints, as JSON, the version record of a PE file as pefile reads it (its
translation list keeps only one entry, so it is left out)."""
import json
import sys

import pefile

pe = pefile.PE(sys.argv[1], fast_load=True)
pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
saida = {"magic": pe.OPTIONAL_HEADER.Magic, "fixa": None, "tabelas": []}
if hasattr(pe, "VS_FIXEDFILEINFO"):
    f = pe.VS_FIXEDFILEINFO[0]
    saida["fixa"] = [f.Signature, f.StrucVersion, f.FileVersionMS, f.FileVersionLS,
                     f.ProductVersionMS, f.ProductVersionLS, f.FileFlagsMask, f.FileFlags,
                     f.FileOS, f.FileType, f.FileSubtype, f.FileDateMS, f.FileDateLS]
for lista in getattr(pe, "FileInfo", []):
    for info in lista:
        if info.Key == b"StringFileInfo":
            for tabela in info.StringTable:
                saida["tabelas"].append({
                    "chave": tabela.LangID.decode(),
                    "textos": [[k.decode(), v.decode()] for k, v in tabela.entries.items()],
                })
json.dump(saida, sys.stdout)
