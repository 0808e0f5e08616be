// The framed shell screens: rules, update, sponsorship and skins, each on a
// fresh default tree, at the design size (and one maximised on a larger screen).
#include "ArvoreTeste.h"
#include "Shots.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/pAtualizacao.h"
#include "ui/shell/pPatrocinio.h"
#include "ui/shell/pRegras.h"
#include "ui/shell/pSkin.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace {

// Shows a window at a size and waits until it is active, so its activation has run.
void mostra(QWidget* w, QSize tamanho = QSize(1028, 753))
{
    w->resize(tamanho);
    w->show();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("golazzo-shots: a janela não ficou ativa; a imagem pode sair sem a ativação");
    QApplication::processEvents();
}

void previa(const QString& pasta, const QString& nome, const QString& skin)
{
    ArvoreTeste arvore;
    TfSkin tela;
    mostra(&tela);
    const auto itens = tela.lbSkins->findItems(skin, Qt::MatchExactly);
    if (!itens.isEmpty()) {
        const QRect r = tela.lbSkins->visualItemRect(itens.first());
        QTest::mouseClick(tela.lbSkins->viewport(), Qt::LeftButton, {}, r.center());
    }
    salvaJanela(&tela, pasta, nome);
}

} // namespace

GZ_SHOT("regras", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfRegras tela;
    salvaJanela(&tela, pasta, QStringLiteral("regras"));
});

GZ_SHOT("regras-regra14", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfRegras tela;
    mostra(&tela);
    QTest::mouseClick(tela.botoes.at(14), Qt::LeftButton);
    salvaJanela(&tela, pasta, QStringLiteral("regras-regra14"));
});

GZ_SHOT("regras-maximizada", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfRegras tela;
    mostra(&tela, QSize(1440, 900));
    tela.grab().save(pasta + QStringLiteral("/regras-maximizada.png"));
});

GZ_SHOT("atualizacao", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfAtualizacao tela;
    salvaJanela(&tela, pasta, QStringLiteral("atualizacao"));
});

GZ_SHOT("patrocinio", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfPatrocinio tela;
    salvaJanela(&tela, pasta, QStringLiteral("patrocinio"));
});

GZ_SHOT("patrocinio-slot2", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfPatrocinio tela;
    tela.imClick(2);
    salvaJanela(&tela, pasta, QStringLiteral("patrocinio-slot2"));
});

GZ_SHOT("skins", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfSkin tela;
    salvaJanela(&tela, pasta, QStringLiteral("skins"));
});

GZ_SHOT("skins-preto", [](const QString& pasta) { previa(pasta, QStringLiteral("skins-preto"), QStringLiteral("Santos")); });
GZ_SHOT("skins-verde", [](const QString& pasta) { previa(pasta, QStringLiteral("skins-verde"), QStringLiteral("Palmeiras")); });
GZ_SHOT("skins-vermelho", [](const QString& pasta) { previa(pasta, QStringLiteral("skins-vermelho"), QStringLiteral("Flamengo")); });
