#include "core/install/Ini.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace Ini {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252 (0 where the byte is unassigned).
constexpr char16_t kAltos[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

bool utf8Valido(const QByteArray& bytes)
{
    QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = dec.decode(bytes);
    Q_UNUSED(s);
    return !dec.hasError();
}

struct Linha {
    qsizetype inicio = 0; // byte offset of the line's first byte
    qsizetype fim = 0;    // offset just past the line's text (before its line break)
    qsizetype proxima = 0;// offset of the next line
    QString texto;
};

struct Arquivo {
    QByteArray bytes;
    bool cp1252 = false;
    QList<Linha> linhas;
    QByteArray quebra = "\n";
};

Arquivo analisa(QByteArray bytes)
{
    Arquivo a;
    a.bytes = std::move(bytes);
    a.cp1252 = !utf8Valido(a.bytes);
    qsizetype i = 0;
    const qsizetype n = a.bytes.size();
    bool quebraVista = false;
    while (i < n) {
        qsizetype j = a.bytes.indexOf('\n', i);
        Linha l;
        l.inicio = i;
        if (j < 0) {
            l.fim = n;
            l.proxima = n;
        } else {
            l.fim = (j > i && a.bytes[j - 1] == '\r') ? j - 1 : j;
            l.proxima = j + 1;
            if (!quebraVista) {
                a.quebra = (l.fim == j) ? QByteArray("\n") : QByteArray("\r\n");
                quebraVista = true;
            }
        }
        const QByteArray crus = a.bytes.mid(l.inicio, l.fim - l.inicio);
        l.texto = a.cp1252 ? deCp1252(crus) : QString::fromUtf8(crus);
        if (l.inicio == 0 && l.texto.startsWith(QChar(0xFEFF)))
            l.texto.remove(0, 1);
        a.linhas.append(l);
        i = l.proxima;
    }
    return a;
}

// The section named by a line "[name]", or a null string for other lines.
QString secaoDe(const QString& texto)
{
    const QString t = texto.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool chaveDe(const QString& texto, QString* chave, QString* valor)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *chave = t.left(eq).trimmed();
    QString v = t.mid(eq + 1).trimmed();
    if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) || (v.startsWith('\'') && v.endsWith('\''))))
        v = v.mid(1, v.size() - 2);
    *valor = v;
    return true;
}

bool igual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString deCp1252(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kAltos[b - 0x80] != 0)
            s.append(QChar(kAltos[b - 0x80]));
        else
            s.append(QChar(b));
    }
    return s;
}

QByteArray paraCp1252(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar ch : texto) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            r.append(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int k = 0; k < 32; ++k)
            if (kAltos[k] == u && u != 0)
                b = static_cast<char>(0x80 + k);
        r.append(b);
    }
    return r;
}

QString le(const QString& arquivo, const QString& secao, const QString& chave, const QString& padrao)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return padrao;
    const Arquivo a = analisa(f.readAll());
    bool dentro = false;
    for (const Linha& l : a.linhas) {
        const QString s = secaoDe(l.texto);
        if (!s.isNull()) {
            dentro = igual(s, secao);
            continue;
        }
        QString k, v;
        if (dentro && chaveDe(l.texto, &k, &v) && igual(k, chave))
            return v;
    }
    return padrao;
}

bool grava(const QString& arquivo, const QString& secao, const QString& chave, const QString& valor)
{
    QByteArray original;
    {
        QFile f(arquivo);
        if (f.exists()) {
            if (!f.open(QIODevice::ReadOnly))
                return false;
            original = f.readAll();
        }
    }
    const Arquivo a = analisa(original);
    const auto codifica = [&](const QString& t) { return a.cp1252 ? paraCp1252(t) : t.toUtf8(); };

    QByteArray novo;
    int linhaSecao = -1;     // index of the section's header line
    int ultimaDaSecao = -1;  // last non-empty line inside the section
    int linhaChave = -1;
    QString nomeChave = chave;
    bool dentro = false;
    for (int i = 0; i < a.linhas.size(); ++i) {
        const Linha& l = a.linhas[i];
        const QString s = secaoDe(l.texto);
        if (!s.isNull()) {
            dentro = linhaSecao < 0 && igual(s, secao);
            if (dentro) {
                linhaSecao = i;
                ultimaDaSecao = i;
            }
            continue;
        }
        if (!dentro)
            continue;
        if (!l.texto.trimmed().isEmpty())
            ultimaDaSecao = i;
        QString k, v;
        if (linhaChave < 0 && chaveDe(l.texto, &k, &v) && igual(k, chave)) {
            linhaChave = i;
            nomeChave = k;
        }
    }

    const QByteArray linhaNova = codifica(nomeChave + QLatin1Char('=') + valor);
    if (linhaChave >= 0) {
        const Linha& l = a.linhas[linhaChave];
        novo = a.bytes.left(l.inicio) + linhaNova + a.bytes.mid(l.fim);
    } else if (linhaSecao >= 0) {
        const Linha& l = a.linhas[ultimaDaSecao];
        QByteArray antes = a.bytes.left(l.proxima);
        if (l.proxima == l.fim) // the section's last line ends the file without a break
            antes += a.quebra;
        novo = antes + linhaNova + a.quebra + a.bytes.mid(l.proxima);
    } else {
        novo = a.bytes;
        if (!novo.isEmpty() && !novo.endsWith('\n'))
            novo += a.quebra;
        if (!novo.isEmpty())
            novo += a.quebra;
        novo += codifica(QLatin1Char('[') + secao + QLatin1Char(']')) + a.quebra + linhaNova + a.quebra;
    }

    QSaveFile out(arquivo);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(novo);
    return out.commit();
}

} // namespace Ini
