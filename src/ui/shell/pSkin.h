#pragma once
// The skins screen: lists the skin pictures, previews the selected one on its
// own frame and makes the user's choice the current skin ("Seleciona").
#include "ui/shell/Padrao.h"

class BotaoAzul;
class QLabel;
class QListWidget;
class QListWidgetItem;

class TfSkin : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfSkin(QWidget* parent = nullptr);
    ~TfSkin() override;

    QLabel* texto1 = nullptr;
    QListWidget* lbSkins = nullptr;
    BotaoAzul* DFWAOLButton1 = nullptr;
    QLabel* lbMaisSkins = nullptr;

    // The maker's page with more skins, opened in the user's browser.
    static QString enderecoSkins();

    // The skin names of a folder: its "*.bmp" entries without the first ".bmp",
    // in alphabetical order.
    static QStringList listaSkins(const QString& pasta);

private:
    void FormCreate();
    void lbSkinsClick();
    void DFWAOLButton1Click();
    void atualizaBotao();

    // The entry changed under a mouse press; the click that ends it needs no second preview.
    bool m_mudouPeloMouse = false;
};

extern TfSkin* fSkin;
