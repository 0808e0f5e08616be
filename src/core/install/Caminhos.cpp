#include "core/install/Caminhos.h"

#include <QDir>
#include <QStandardPaths>

namespace {
Caminhos& global()
{
    static Caminhos c;
    return c;
}
const QChar kSep = QDir::separator();
}

Caminhos::Caminhos(const QString& raiz)
    : m_raiz(QDir::toNativeSeparators(raiz))
{
    while (m_raiz.size() > 1 && m_raiz.endsWith(kSep))
        m_raiz.chop(1);
}

QString Caminhos::raizPadrao()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Golazzo 2001");
#else
    const QString dados = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::toNativeSeparators(dados + QStringLiteral("/Golazzo 2001"));
#endif
}

const Caminhos& Caminhos::atual()
{
    return global();
}

void Caminhos::defineAtual(const QString& raiz)
{
    global() = Caminhos(raiz);
}

QString Caminhos::junta(std::initializer_list<QString> partes) const
{
    QString r = m_raiz;
    for (const QString& p : partes) {
        r += kSep;
        r += p;
    }
    return r;
}

QString Caminhos::clube(const QString& pasta, const QString& codigo, const QString& ext) const
{
    // Plain concatenation: an empty code leaves the separator right before the extension.
    return junta({QStringLiteral("Imagens"), QStringLiteral("Times"), pasta}) + kSep + codigo + ext;
}

QString Caminhos::banco() const { return junta({QStringLiteral("Golazzo.db")}); }
QString Caminhos::configIni() const { return junta({QStringLiteral("config.ini")}); }
QString Caminhos::menu() const { return junta({QStringLiteral("Imagens"), QStringLiteral("Menu"), QStringLiteral("Menu.bmp")}); }
QString Caminhos::relatorio() const { return junta({QStringLiteral("Imagens"), QStringLiteral("Menu"), QStringLiteral("Relatorio.bmp")}); }
QString Caminhos::bordaA() const { return junta({QStringLiteral("Imagens"), QStringLiteral("BordaA.bmp")}); }
QString Caminhos::bordaC() const { return junta({QStringLiteral("Imagens"), QStringLiteral("BordaC.bmp")}); }
QString Caminhos::pastaSkins() const { return junta({QStringLiteral("Imagens"), QStringLiteral("Skins")}); }
QString Caminhos::skin(const QString& nome) const { return pastaSkins() + kSep + nome + QStringLiteral(".bmp"); }

QString Caminhos::normal(int codigo) const { return normal(QString::number(codigo)); }
QString Caminhos::normal(const QString& codigo) const { return clube(QStringLiteral("Normal"), codigo, QStringLiteral(".bmp")); }
QString Caminhos::mini(int codigo) const { return mini(QString::number(codigo)); }
QString Caminhos::mini(const QString& codigo) const { return clube(QStringLiteral("Mini"), codigo, QStringLiteral(".bmp")); }
QString Caminhos::miniR(int codigo) const { return clube(QStringLiteral("MiniR"), QString::number(codigo), QStringLiteral(".bmp")); }
QString Caminhos::relatorios(int codigo) const { return clube(QStringLiteral("Relatorios"), QString::number(codigo), QStringLiteral(".bmp")); }
QString Caminhos::relatoriosC(int codigo) const { return clube(QStringLiteral("RelatoriosC"), QString::number(codigo), QStringLiteral(".bmp")); }
QString Caminhos::banner(int codigo) const { return clube(QStringLiteral("Banner"), QString::number(codigo), QStringLiteral(".bmp")); }
QString Caminhos::bannerC(int codigo) const { return clube(QStringLiteral("BannerC"), QString::number(codigo), QStringLiteral(".bmp")); }

QString Caminhos::estadio(int codigo) const
{
    return junta({QStringLiteral("Imagens"), QStringLiteral("Estádios")}) + kSep + QString::number(codigo) + QStringLiteral(".jpg");
}
QString Caminhos::matEsportivo(int codigo) const
{
    return junta({QStringLiteral("Imagens"), QStringLiteral("MatEsportivo")}) + kSep + QString::number(codigo) + QStringLiteral(".bmp");
}
QString Caminhos::patrocinios(int codigo) const
{
    return junta({QStringLiteral("Imagens"), QStringLiteral("Patrocinios")}) + kSep + QString::number(codigo) + QStringLiteral(".bmp");
}

QString Caminhos::regras(int pagina) const
{
    return junta({QStringLiteral("Imagens"), QStringLiteral("Regras")}) + kSep + QString::number(pagina) + QStringLiteral(".htm");
}
QString Caminhos::atualizacao() const { return junta({QStringLiteral("Imagens"), QStringLiteral("Sobre"), QStringLiteral("Atualizacao.htm")}); }

QString Caminhos::patrocinioInicial() const { return junta({QStringLiteral("Patrocinio"), QStringLiteral("0.htm")}); }
QString Caminhos::slotConfig(int slot) const { return junta({QStringLiteral("Patrocinio"), QString::number(slot), QStringLiteral("config.ini")}); }
QString Caminhos::slotImagem(int slot, bool ligado) const
{
    return junta({QStringLiteral("Patrocinio"), QString::number(slot), ligado ? QStringLiteral("1.bmp") : QStringLiteral("0.bmp")});
}
QString Caminhos::slotPagina(int slot) const { return junta({QStringLiteral("Patrocinio"), QString::number(slot), QStringLiteral("index.htm")}); }

QString Caminhos::som(const QString& nome) const { return junta({QStringLiteral("Sons"), nome}); }

bool Caminhos::carregavel(const QString& caminho)
{
    // Only the formed file name matters: the root itself may hold hidden folders.
    const qsizetype barra = caminho.lastIndexOf(kSep);
    const QString nome = caminho.mid(barra + 1);
    return !nome.isEmpty() && !nome.startsWith(QLatin1Char('.'));
}
