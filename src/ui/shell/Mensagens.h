#pragma once
// The user interface's side of error reporting: the message box that shows
// what the core reports, the capture tests use instead of it, and picture
// loading that throws a report when a file cannot be read.
#include "core/errors/Erros.h"

#include <QPixmap>
#include <QString>

namespace Erros {

// The program's title: the title of every message box it shows.
inline const QString kTitulo = QStringLiteral("Golazzo 2001");

// The kinds of the program's message boxes: a bare message, an information box, an error.
enum class Tipo { Simples, Informacao, Erro };

// Shows a message box with the program's title and an OK button; returns when it is closed.
void mensagem(const QString& texto, Tipo tipo = Tipo::Simples);

// Reported messages are shown in a message box titled with the program's name.
void usaCaixaDeMensagem();

// Tests see the messages here instead of a modal box. An empty function restores the box.
void defineCaptura(Saida captura);

} // namespace Erros

// Loads a picture file (".bmp", ".jpg"); throws ErroArquivo when it cannot be read.
QPixmap carregaImagem(const QString& arquivo);
