#pragma once
// The embedded HTML view: shows local pages of the install tree and follows
// their links as a browser does. Links to the web are handed to the user's
// browser; the view itself never fetches anything from a network. A page
// that cannot be read shows the program's own "A página não pode ser
// exibida" page, without a message box.
#include <QTextBrowser>

class VisorHtml : public QTextBrowser {
    Q_OBJECT
public:
    explicit VisorHtml(QWidget* parent = nullptr);

    // Loads a local page (always read anew, also when it is already on display).
    void carrega(const QString& arquivo);

    // The local file of the page on display, or of the page that could not be shown.
    QString pagina() const { return m_pagina; }
    bool paginaAusente() const { return m_ausente; }

    static QString tituloPaginaAusente();

signals:
    void paginaCarregada(const QString& arquivo);

protected:
    QVariant loadResource(int tipo, const QUrl& nome) override;

private:
    void segueLink(const QUrl& url);
    void mostraAusente(const QString& arquivo);

    QString m_pagina;
    bool m_ausente = false;
};
