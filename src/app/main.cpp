// Golazzo 2001: start-up.
#include "PrimeiraInstalacao.h"
#include "core/data/Banco.h"
#include "core/install/Caminhos.h"
#include "core/install/Inicio.h"
#include "ui/Telas.h"
#include "ui/shell/Dicas.h"
#include "ui/shell/Idioma.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Erros::kTitulo);
    QApplication::setApplicationDisplayName(Erros::kTitulo);
    // Portuguese throughout, Qt's own dialogs and calendar included.
    Idioma::instala();

    Erros::usaCaixaDeMensagem();

    const QString raiz = Caminhos::raizPadrao();
    QString erro;
    if (!PrimeiraInstalacao::garante(raiz, &erro))
        Erros::reporta(erro);
    // One running copy per install root; a second start ends without touching the data.
    Instancia instancia(raiz);
    if (instancia.estado() == Instancia::Estado::OutraAberta) {
        Erros::reporta(Instancia::mensagemOutraAberta());
        return 0;
    }
    Caminhos::defineAtual(raiz);
    Banco::definePrincipal(Caminhos::atual().banco());
    // Before the menu: the database checked, migrated and the club figures repaired.
    for (const QString& m : Inicio::preparaBanco(raiz))
        Erros::reporta(m);
    Dicas::instala();

    fmMenu = new TfmMenu;
    Telas::liga(fmMenu);
    Telas::criaPermanentes(fmMenu);
    // Full screen also where no window manager honours the request.
    if (QScreen* tela = QGuiApplication::primaryScreen())
        fmMenu->setGeometry(tela->geometry());
    fmMenu->showFullScreen();
    const int rc = app.exec();
    delete fmMenu;
    fmMenu = nullptr;
    return rc;
}
