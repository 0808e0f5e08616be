#pragma once
// The user interface's side of error reporting: the message box that shows
// what the core reports, the capture tests use instead of it, and picture
// loading that throws a report when a file cannot be read.
#include "core/errors/Erros.h"

#include <QPixmap>
#include <QString>

namespace Erros {

// Reported messages are shown in a message box titled with the program's name.
void usaCaixaDeMensagem();

// Tests see the messages here instead of a modal box. An empty function restores the box.
void defineCaptura(Saida captura);

} // namespace Erros

// Loads a picture file (".bmp", ".jpg"); throws ErroArquivo when it cannot be read.
QPixmap carregaImagem(const QString& arquivo);
