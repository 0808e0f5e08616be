#pragma once
// The program's error types and its message sink. A step that cannot go on
// (a picture that cannot be read, a table that refuses a write) throws; the
// handler of the user's action catches it and reports it once through the
// sink, and the program goes on. The core never shows anything itself: the
// user interface sets the sink (a message box), tests set a capture. Nothing
// is logged.
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

using Saida = std::function<void(const QString&)>;

// Hands a message for the user to the sink; without a sink it goes to the
// standard error stream.
void reporta(const QString& mensagem);

// Runs one step of a handler; an error stops the step and is reported.
// Returns false when the step stopped on an error.
bool protege(const std::function<void()>& passo);

// Where reported messages go. An empty function restores the standard error stream.
void defineSaida(Saida saida);

} // namespace Erros
