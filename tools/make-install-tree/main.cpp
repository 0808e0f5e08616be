// make-install-tree DIR: writes the default install tree into DIR.
#include "ArvoreInstalacao.h"
#include "ui/shell/Mensagens.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Drawing text needs a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "uso: make-install-tree PASTA\n";
        return 2;
    }
    try {
        ArvoreInstalacao::constroi(args[1]);
    } catch (const ErroPrograma& e) {
        QTextStream(stderr) << "erro: " << e.mensagem() << '\n';
        return 1;
    } catch (const std::exception& e) {
        QTextStream(stderr) << "erro: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
