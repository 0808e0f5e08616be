#pragma once
// golazzo-shots: every window of the program saved as a PNG, each from a
// fresh default tree on the offscreen platform. Each file of this folder
// registers its own shots.
#include <QString>
#include <functional>

class QWidget;

struct RegistroShot {
    // fn writes its PNG files into the folder it is given.
    RegistroShot(const char* nome, std::function<void(const QString& pasta)> fn);
};

// Grabs a window at the menu's design size and saves it as pasta/nome.png.
void salvaJanela(QWidget* janela, const QString& pasta, const QString& nome);

#define GZ_SHOT_CAT2(a, b) a##b
#define GZ_SHOT_CAT(a, b) GZ_SHOT_CAT2(a, b)
#define GZ_SHOT(nome, corpo) static RegistroShot GZ_SHOT_CAT(gzShot, __LINE__)(nome, corpo)
