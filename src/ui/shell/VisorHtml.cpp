#include "ui/shell/VisorHtml.h"

#include "core/install/Ini.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>

namespace {

bool ehExterno(const QUrl& url)
{
    const QString s = url.scheme().toLower();
    return s == QLatin1String("http") || s == QLatin1String("https") || s == QLatin1String("mailto")
        || s == QLatin1String("ftp");
}

// A file on this machine; a file URL naming a host would reach a network share.
bool ehLocal(const QUrl& url)
{
    return (url.isLocalFile() && url.host().isEmpty()) || url.scheme().isEmpty();
}

// Pages are UTF-8 or, when they are not valid UTF-8, Windows-1252.
QString decodifica(const QByteArray& bytes)
{
    QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = dec.decode(bytes);
    if (!dec.hasError())
        return s.startsWith(QChar(0xFEFF)) ? s.mid(1) : s;
    return Ini::deCp1252(bytes);
}

} // namespace

VisorHtml::VisorHtml(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    connect(this, &QTextBrowser::anchorClicked, this, &VisorHtml::segueLink);
}

QString VisorHtml::tituloPaginaAusente()
{
    return QStringLiteral("A página não pode ser exibida");
}

void VisorHtml::carrega(const QString& arquivo)
{
    const QFileInfo info(arquivo);
    QFile f(arquivo);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        mostraAusente(arquivo);
        return;
    }
    f.close();
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    m_pagina = arquivo;
    m_ausente = false;
    if (source() == url)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
    emit paginaCarregada(arquivo);
}

void VisorHtml::mostraAusente(const QString& arquivo)
{
    m_pagina = arquivo;
    m_ausente = true;
    clearHistory();
    setHtml(QStringLiteral(
                "<html><head><title>%1</title></head>"
                "<body style=\"font-family: sans-serif;\">"
                "<h2>%1</h2>"
                "<p>O arquivo abaixo não foi encontrado ou não pôde ser lido:</p>"
                "<p><b>%2</b></p>"
                "</body></html>")
                .arg(tituloPaginaAusente(), arquivo.toHtmlEscaped()));
    emit paginaCarregada(arquivo);
}

void VisorHtml::segueLink(const QUrl& url)
{
    if (ehExterno(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (!ehLocal(url))
        return; // other schemes are neither fetched nor handed on

    QUrl alvo = url;
    if (alvo.scheme().isEmpty() && !m_pagina.isEmpty())
        alvo = QUrl::fromLocalFile(m_pagina).resolved(url);
    const QString arquivo = alvo.toLocalFile();
    const QString ancora = alvo.fragment();

    if (!m_ausente && !arquivo.isEmpty()
        && QFileInfo(arquivo).absoluteFilePath() == QFileInfo(m_pagina).absoluteFilePath()) {
        if (!ancora.isEmpty())
            scrollToAnchor(ancora);
        return;
    }
    if (arquivo.isEmpty())
        return;
    carrega(arquivo);
    if (!ancora.isEmpty() && !m_ausente)
        scrollToAnchor(ancora);
}

QVariant VisorHtml::loadResource(int tipo, const QUrl& nome)
{
    QUrl url = nome;
    if (url.isRelative() && !source().isEmpty())
        url = source().resolved(nome);
    if (url.scheme() == QLatin1String("qrc") || url.scheme() == QLatin1String("data"))
        return QTextBrowser::loadResource(tipo, nome);
    if (!url.isLocalFile() || !url.host().isEmpty())
        return QVariant(); // nothing is requested from a network

    if (tipo == QTextDocument::HtmlResource) {
        QFile f(url.toLocalFile());
        if (!f.open(QIODevice::ReadOnly))
            return QVariant();
        return decodifica(f.readAll());
    }
    return QTextBrowser::loadResource(tipo, url);
}
