#pragma once

#include "frame/KXRegistro.h"

#include <memory>

// The group key of the suite ("Software\\GrupoKX"): which product family is
// installed, and an editor for that family's settings.
class TRegistroGrupoKX : public RegistroIni
{
public:
    // Opens the group key, creating it when missing.
    TRegistroGrupoKX();
    ~TRegistroGrupoKX() override;

    qint32 TipoAplicativo() const;
    // Stores the type and records it in the editor (created now when there is
    // none yet). An editor that already existed keeps the key it opened.
    void setTipoAplicativo(qint32 valor);

    // Created on first use for the type stored at that moment.
    TKXRegistro& Editor();
    void setEditor(std::unique_ptr<TKXRegistro> editor);

private:
    std::unique_ptr<TKXRegistro> FEditor;
};
