// The main menu, as it opens on a fresh default tree.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "ui/Telas.h"
#include "ui/shell/Menu.h"

GZ_SHOT("menu", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    Telas::liga(&menu);
    fmMenu = &menu;
    salvaJanela(&menu, pasta, QStringLiteral("menu"));
    fmMenu = nullptr;
});
