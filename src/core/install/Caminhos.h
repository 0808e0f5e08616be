#pragma once
// Every file and folder of the install tree, formed from one root.
// Paths are plain concatenations of the root, fixed folder names, a variable
// part and an extension, with the platform's native separator.
#include <QString>

class Caminhos {
public:
    explicit Caminhos(const QString& raiz = QString());

    // The install root the program uses on this platform:
    // "C:\Golazzo 2001" on Windows, else "Golazzo 2001" in the user's data folder.
    static QString raizPadrao();

    // The root every screen uses while the program runs (set at start, or by a test).
    static const Caminhos& atual();
    static void defineAtual(const QString& raiz);

    QString raiz() const { return m_raiz; }

    QString banco() const;             // "Golazzo.db"
    QString configIni() const;         // "config.ini"
    QString menu() const;              // "Imagens\Menu\Menu.bmp"
    QString relatorio() const;         // "Imagens\Menu\Relatorio.bmp"
    QString bordaA() const;            // "Imagens\BordaA.bmp"
    QString bordaC() const;            // "Imagens\BordaC.bmp"
    QString pastaSkins() const;        // "Imagens\Skins" (no closing separator)
    QString skin(const QString& nome) const;

    // Club pictures. The text overloads take the code as a grid field gives it:
    // an empty text forms a name holding "\." that is never loaded.
    QString normal(int codigo) const;
    QString normal(const QString& codigo) const;
    QString mini(int codigo) const;
    QString mini(const QString& codigo) const;
    QString miniR(int codigo) const;
    QString relatorios(int codigo) const;
    QString relatoriosC(int codigo) const;
    QString banner(int codigo) const;
    QString bannerC(int codigo) const;
    QString estadio(int codigo) const; // "Imagens\Estádios\" + code + ".jpg"
    QString matEsportivo(int codigo) const;
    QString patrocinios(int codigo) const;

    QString regras(int pagina) const;  // "Imagens\Regras\" + 0..20 + ".htm"
    QString atualizacao() const;       // "Imagens\Sobre\Atualizacao.htm"

    QString patrocinioInicial() const; // "Patrocinio\0.htm"
    QString slotConfig(int slot) const;
    QString slotImagem(int slot, bool ligado) const; // "1.bmp" on, "0.bmp" off
    QString slotPagina(int slot) const;

    QString som(const QString& nome) const; // "Sons\" + name, e.g. "Win.WAV"

    // False for a formed name that must not be loaded (holds "\." from an empty code).
    static bool carregavel(const QString& caminho);

    // Joins the root and the parts with the native separator.
    QString junta(std::initializer_list<QString> partes) const;

private:
    QString clube(const QString& pasta, const QString& codigo, const QString& ext) const;
    QString m_raiz;
};
