#pragma once

#include "frame/TiposKX.h"

#include <functional>

class TDataSetKX;

// The frame's context menu opens the parameter window, which lives with the
// routine dialogs; the program that links it registers how to open it.
namespace JanelaParametrosKX {

using Abridor = std::function<void(TDataSetKX* dados, TMenuContextoItem item)>;

void Registrar(Abridor abridor);
// Shows the window modally; raises EKorvane when none was registered.
void Abrir(TDataSetKX* dados, TMenuContextoItem item);

} // namespace JanelaParametrosKX
