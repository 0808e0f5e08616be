#pragma once
// The program's central error handler. A step that cannot go on (a picture
// that cannot be read, a table that refuses a write) throws; the handler of
// the user's action catches it, reports it in one message box and the
// program goes on. Nothing is logged.
#include <QPixmap>
#include <QString>
#include <functional>
#include <stdexcept>

// A file the program needs could not be read.
class ErroArquivo : public std::runtime_error {
public:
    explicit ErroArquivo(const QString& arquivo);
    QString arquivo() const { return m_arquivo; }
    QString mensagem() const;
private:
    QString m_arquivo;
};

// Any other failure with a message for the user, in Portuguese.
class ErroPrograma : public std::runtime_error {
public:
    explicit ErroPrograma(const QString& mensagem);
    QString mensagem() const { return m_mensagem; }
private:
    QString m_mensagem;
};

namespace Erros {

// Shows the message box (or hands the text to the capture set by a test).
void reporta(const QString& mensagem);

// Runs one step of a handler; an error stops the step and is reported.
// Returns false when the step stopped on an error.
bool protege(const std::function<void()>& passo);

// Tests see the messages here instead of a modal box. An empty function restores the box.
void defineCaptura(std::function<void(const QString&)> captura);

} // namespace Erros

// Loads a picture file (".bmp", ".jpg"); throws ErroArquivo when it cannot be read.
QPixmap carregaImagem(const QString& arquivo);
