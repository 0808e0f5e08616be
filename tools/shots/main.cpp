// golazzo-shots OUTDIR [NAME...]: saves one PNG per window of the program.
#include "Shots.h"

#include "ui/shell/Idioma.h"
#include "ui/shell/Mensagens.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QWidget>
#include <map>

namespace {
std::map<QString, std::function<void(const QString&)>>& registro()
{
    static std::map<QString, std::function<void(const QString&)>> r;
    return r;
}
}

RegistroShot::RegistroShot(const char* nome, std::function<void(const QString&)> fn)
{
    registro()[QString::fromUtf8(nome)] = std::move(fn);
}

void salvaJanela(QWidget* janela, const QString& pasta, const QString& nome)
{
    janela->resize(1028, 753);
    janela->show();
    QApplication::processEvents();
    QApplication::processEvents();
    janela->grab().save(pasta + QLatin1Char('/') + nome + QStringLiteral(".png"));
    QTextStream(stdout) << pasta << '/' << nome << ".png\n";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(Erros::kTitulo);
    Idioma::instala();
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "uso: golazzo-shots PASTA [NOME...]\n";
        return 2;
    }
    const QString pasta = args[1];
    QDir().mkpath(pasta);
    // Errors go to the terminal instead of a modal box.
    Erros::defineCaptura([](const QString& m) { QTextStream(stderr) << "erro: " << m << '\n'; });
    const QStringList filtro = args.mid(2);
    for (const auto& [nome, fn] : registro()) {
        if (!filtro.isEmpty() && !filtro.contains(nome))
            continue;
        fn(pasta);
    }
    return 0;
}
