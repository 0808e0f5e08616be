#include "core/data/Dataset.h"

#include "core/data/Banco.h"
#include "core/data/Esquema.h"
#include "core/errors/Erros.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kRowid = QStringLiteral("__rowid");

QString aspas(const QString& campo)
{
    return QLatin1Char('"') + campo + QLatin1Char('"');
}

// "mm/dd/yy" → "yyyy-mm-dd"; other texts unchanged.
QString literalData(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{2})$"));
    const auto m = re.match(s);
    if (!m.hasMatch())
        return s;
    const int yy = m.captured(3).toInt();
    const int ano = yy < 50 ? 2000 + yy : 1900 + yy;
    return QStringLiteral("%1-%2-%3").arg(ano).arg(m.captured(1), m.captured(2));
}

// The database's refusal in the program's own words, with SQLite's text for the rest.
QString motivo(const QSqlError& erro)
{
    const QString t = erro.text();
    if (t.contains(QLatin1String("locked"), Qt::CaseInsensitive) || t.contains(QLatin1String("busy"), Qt::CaseInsensitive))
        return QStringLiteral("o banco de dados está bloqueado por outro programa. Feche-o e tente de novo.");
    if (t.contains(QLatin1String("readonly"), Qt::CaseInsensitive) || t.contains(QLatin1String("read-only"), Qt::CaseInsensitive))
        return QStringLiteral("o banco de dados está protegido contra gravação.");
    if (t.contains(QLatin1String("malformed"), Qt::CaseInsensitive) || t.contains(QLatin1String("not a database"), Qt::CaseInsensitive))
        return QStringLiteral("o banco de dados está danificado.");
    if (t.contains(QLatin1String("disk"), Qt::CaseInsensitive) && t.contains(QLatin1String("full"), Qt::CaseInsensitive))
        return QStringLiteral("o disco está cheio.");
    return t;
}

// Key values compare as stored: null only with null, else by value or text.
bool mesmoValor(const QVariant& v, const QVariant& alvo)
{
    return v.isNull() == alvo.isNull() && (v.isNull() || v == alvo || v.toString() == alvo.toString());
}

QString citaTexto(const QString& s)
{
    QString r = s;
    r.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}

QStringList separaCampos(const QString& lista)
{
    QStringList r;
    for (const QString& p : lista.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        r << p.trimmed();
    return r;
}

} // namespace

Dataset::Dataset(QObject* parent)
    : QObject(parent)
{
}

Dataset::~Dataset() = default;

void Dataset::setConexao(const QString& conexao) { m_conexao = conexao; }

QSqlDatabase Dataset::banco() const
{
    if (m_conexao.isEmpty())
        return Banco::principal();
    return QSqlDatabase::database(m_conexao);
}

void Dataset::setTableName(const QString& nome)
{
    m_esquema = Esquema::tabela(nome);
    m_tabela = m_esquema ? m_esquema->nome : nome;
    if (m_tabela.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive))
        m_tabela.chop(3);
    m_sql.clear();
}

void Dataset::setIndexName(const QString& nome)
{
    m_indice = nome;
    m_porCampos = false;
    m_camposIndice.clear();
}

void Dataset::setIndexFieldNames(const QString& campos)
{
    m_camposIndice = separaCampos(campos);
    m_porCampos = true;
    m_indice.clear();
}

void Dataset::setMasterSource(Dataset* mestre, const QString& camposMestre)
{
    if (m_mestre)
        disconnect(m_mestre, nullptr, this, nullptr);
    m_mestre = mestre;
    m_camposMestre = separaCampos(camposMestre);
    if (m_mestre) {
        auto segue = [this] {
            if (isOpen() && !editing())
                refresh();
        };
        connect(m_mestre, &Dataset::currentChanged, this, segue);
        connect(m_mestre, &Dataset::dataReset, this, segue);
    }
}

void Dataset::setSql(const QString& sql)
{
    m_sql = sql;
    m_tabela.clear();
    m_esquema = nullptr;
    // The single table of "select * from T", whose rows can be edited in place.
    static const QRegularExpression re(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+\"?(\\w+)\"?(\\s|$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql);
    if (m.hasMatch() && !sql.contains(QRegularExpression(QStringLiteral("\\bjoin\\b|,\\s*\\w+\\s+where"), QRegularExpression::CaseInsensitiveOption)))
        m_esquema = Esquema::tabela(m.captured(1));
    traduz(sql, &m_nomesParam);
}

QStringList Dataset::paramNames() const
{
    QStringList unicos;
    for (const QString& n : m_nomesParam)
        if (!unicos.contains(n, Qt::CaseInsensitive))
            unicos << n;
    return unicos;
}

void Dataset::setParam(int posicao, const QVariant& valor)
{
    const QStringList nomes = paramNames();
    if (posicao < 0 || posicao >= nomes.size())
        throw ErroPrograma(QStringLiteral("Parâmetro %1 inexistente na consulta.").arg(posicao));
    m_params[nomes[posicao].toLower()] = valor;
}

void Dataset::setParam(const QString& nome, const QVariant& valor)
{
    m_params[nome.toLower()] = valor;
}

QString Dataset::traduz(const QString& sql, QStringList* nomes)
{
    QString out;
    if (nomes)
        nomes->clear();
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A literal in either quote; dates written "mm/dd/yy" become ISO dates.
            QString conteudo;
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        conteudo += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                conteudo += sql[j++];
            }
            out += citaTexto(literalData(conteudo));
            i = j;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))
            && (i == 0 || !(sql[i - 1].isLetterOrNumber() || sql[i - 1] == QLatin1Char('_')))) {
            qsizetype j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            if (nomes)
                nomes->append(sql.mid(i + 1, j - i - 1));
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

QStringList Dataset::camposDoIndice() const
{
    if (m_porCampos)
        return m_camposIndice;
    if (const Esquema::Indice* ind = m_esquema ? m_esquema->indice(m_indice) : nullptr)
        return ind->campos;
    return {};
}

QStringList Dataset::camposOrdem() const
{
    QStringList partes;
    if (!m_esquema)
        return partes;
    auto adiciona = [&](const QString& f, bool desc) {
        const Esquema::Campo* c = m_esquema->campo(f);
        QString p = aspas(c ? c->nome : f);
        if (c && (c->tipo == Esquema::Tipo::Texto || c->tipo == Esquema::Tipo::Memo))
            p += QStringLiteral(" COLLATE PTBR");
        if (desc)
            p += QStringLiteral(" DESC");
        partes << p;
    };
    if (m_porCampos) {
        for (const QString& f : m_camposIndice)
            adiciona(f, false);
    } else {
        const Esquema::Indice* ind = m_esquema->indice(m_indice);
        if (!ind)
            throw ErroPrograma(QStringLiteral("Índice %1 inexistente na tabela %2.").arg(m_indice, m_tabela));
        for (const QString& f : ind->campos)
            adiciona(f, ind->descendente);
    }
    // Ties fall back to the primary order, then to the row's own key.
    for (const QString& f : m_esquema->primario.campos)
        adiciona(f, false);
    partes << QStringLiteral("rowid");
    return partes;
}

void Dataset::open()
{
    if (isOpen())
        return;
    busca(-1, 0);
}

void Dataset::close()
{
    if (!isOpen())
        return;
    m_estado = Estado::Fechado;
    m_linhas.clear();
    m_rowids.clear();
    m_buffer.clear();
    m_atual = 0;
    m_eof = m_bof = true;
    emit stateChanged();
    emiteReset();
}

void Dataset::refresh()
{
    if (!isOpen()) {
        open();
        return;
    }
    const qint64 rid = (m_atual < m_rowids.size()) ? m_rowids[m_atual] : -1;
    busca(rid, m_atual);
}

void Dataset::busca(qint64 manterRowid, int manterPosicao)
{
    QSqlDatabase db = banco();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QVariantList valores;

    if (!m_tabela.isEmpty() && m_sql.isEmpty()) {
        QString where;
        if (m_mestre) {
            // The leading fields of the current order equal the master's fields.
            const QStringList ordem = camposDoIndice();
            QStringList conds;
            const bool mestreVazio = !m_mestre->isOpen() || m_mestre->isEmpty();
            for (int k = 0; k < m_camposMestre.size() && k < ordem.size(); ++k) {
                conds << aspas(ordem[k]) + QStringLiteral(" = ?");
                if (!mestreVazio) {
                    const QVariant v = m_mestre->value(m_camposMestre[k]);
                    valores << (v.typeId() == QMetaType::QDate ? QVariant(v.toDate().toString(Qt::ISODate)) : v);
                }
            }
            if (mestreVazio)
                where = QStringLiteral(" WHERE 0");
            else if (!conds.isEmpty())
                where = QStringLiteral(" WHERE ") + conds.join(QStringLiteral(" AND "));
        }
        const QStringList ordem = camposOrdem();
        const QString sql = QStringLiteral("SELECT rowid AS %1, * FROM %2%3%4")
                                .arg(kRowid, aspas(m_tabela), where,
                                     ordem.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + ordem.join(QStringLiteral(", ")));
        if (!q.prepare(sql))
            throw ErroPrograma(QStringLiteral("Não foi possível ler a tabela %1:\n%2").arg(m_tabela, q.lastError().text()));
    } else {
        QStringList nomes;
        QString sql = traduz(m_sql, &nomes);
        if (m_esquema) {
            static const QRegularExpression re(QStringLiteral("^\\s*select\\s+\\*"), QRegularExpression::CaseInsensitiveOption);
            sql.replace(re, QStringLiteral("SELECT rowid AS %1, *").arg(kRowid));
        }
        if (!q.prepare(sql))
            throw ErroPrograma(QStringLiteral("Consulta inválida:\n%1\n%2").arg(m_sql, q.lastError().text()));
        for (const QString& n : nomes) {
            QVariant v = m_params.value(n.toLower());
            if (v.typeId() == QMetaType::QDate)
                v = v.toDate().toString(Qt::ISODate);
            valores << v;
        }
    }
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (!q.exec())
        throw ErroPrograma(QStringLiteral("Não foi possível ler o banco de dados: %1").arg(motivo(q.lastError())));

    const QSqlRecord rec = q.record();
    QStringList campos;
    int colRowid = -1;
    for (int i = 0; i < rec.count(); ++i) {
        if (rec.fieldName(i) == kRowid) {
            colRowid = i;
            continue;
        }
        QString nome = rec.fieldName(i);
        if (m_esquema)
            if (const Esquema::Campo* c = m_esquema->campo(nome))
                nome = c->nome;
        campos << nome;
    }
    m_camposBanco = static_cast<int>(campos.size());
    for (const QString& c : m_calculados)
        campos << c;
    for (const Lookup& l : m_lookups)
        campos << l.nome;
    m_campos = campos;
    m_posCampo.clear();
    for (int i = 0; i < m_campos.size(); ++i)
        m_posCampo.insert(m_campos[i].toLower(), i);

    m_linhas.clear();
    m_rowids.clear();
    while (q.next()) {
        QVector<QVariant> linha(m_campos.size());
        int k = 0;
        for (int i = 0; i < rec.count(); ++i) {
            if (i == colRowid)
                continue;
            linha[k] = converte(k, q.value(i));
            ++k;
        }
        m_linhas.append(linha);
        m_rowids.append(colRowid >= 0 ? q.value(colRowid).toLongLong() : -1);
    }

    const bool abrindo = m_estado == Estado::Fechado;
    m_estado = Estado::Navegando;
    m_buffer.clear();
    m_atual = 0;
    if (manterRowid >= 0) {
        const qsizetype p = m_rowids.indexOf(manterRowid);
        m_atual = p >= 0 ? static_cast<int>(p) : manterPosicao;
    } else {
        m_atual = manterPosicao;
    }
    m_atual = std::clamp(m_atual, 0, std::max(0, recordCount() - 1));
    m_bof = true;
    m_eof = m_linhas.isEmpty();
    calcula();
    if (abrindo)
        emit stateChanged();
    emiteReset();
    moveuCursor();
}

void Dataset::calcula()
{
    if (m_lookups.isEmpty() && !onCalcFields)
        return;
    for (const Lookup& l : m_lookups) {
        if (!l.fonte->isOpen())
            l.fonte->open();
        QHash<QString, QVariant> mapa;
        for (int i = 0; i < l.fonte->recordCount(); ++i)
            mapa.insert(l.fonte->valueAt(i, l.chaveFonte).toString(), l.fonte->valueAt(i, l.resultado));
        const int colChave = indiceCampo(l.chave);
        const int colNome = indiceCampo(l.nome);
        for (auto& linha : m_linhas)
            linha[colNome] = linha[colChave].isNull() ? QVariant() : mapa.value(linha[colChave].toString());
    }
    if (onCalcFields) {
        const int guarda = m_atual;
        for (int i = 0; i < m_linhas.size(); ++i) {
            m_atual = i;
            onCalcFields(*this);
        }
        m_atual = guarda;
    }
}

void Dataset::emiteReset()
{
    if (m_desligado == 0)
        emit dataReset();
}

void Dataset::moveuCursor()
{
    if (m_desligado == 0)
        emit currentChanged(m_linhas.isEmpty() ? -1 : m_atual);
}

void Dataset::first()
{
    if (editing())
        post();
    m_atual = 0;
    m_bof = true;
    m_eof = m_linhas.isEmpty();
    moveuCursor();
}

void Dataset::next()
{
    if (editing())
        post();
    if (m_atual + 1 < recordCount()) {
        ++m_atual;
        m_bof = false;
        moveuCursor();
    } else {
        m_eof = true;
    }
}

void Dataset::prior()
{
    if (editing())
        post();
    if (m_atual > 0) {
        --m_atual;
        m_eof = false;
        moveuCursor();
    } else {
        m_bof = true;
    }
}

void Dataset::last()
{
    if (editing())
        post();
    m_atual = std::max(0, recordCount() - 1);
    m_eof = m_linhas.isEmpty();
    m_bof = m_linhas.isEmpty();
    moveuCursor();
}

void Dataset::setRecNo(int n)
{
    if (m_linhas.isEmpty() || n - 1 == m_atual)
        return;
    if (editing())
        post();
    m_atual = std::clamp(n - 1, 0, recordCount() - 1);
    m_bof = m_eof = false;
    moveuCursor();
}

bool Dataset::findKey(const QVariantList& valores)
{
    const QStringList ordem = camposDoIndice();
    if (valores.size() > ordem.size())
        throw ErroPrograma(QStringLiteral("Chave com campos demais para o índice de %1.").arg(m_tabela));
    QList<int> cols;
    for (int k = 0; k < valores.size(); ++k)
        cols << indiceCampo(ordem[k]);
    for (int i = 0; i < recordCount(); ++i) {
        bool ok = true;
        for (int k = 0; k < cols.size() && ok; ++k) {
            const QVariant& v = m_linhas[i][cols[k]];
            const QVariant alvo = converte(cols[k], valores[k]);
            ok = mesmoValor(v, alvo);
        }
        if (ok) {
            setRecNo(i + 1);
            m_eof = false;
            return true;
        }
    }
    return false;
}

bool Dataset::locate(const QString& campo, const QVariant& valor)
{
    const int col = indiceCampo(campo);
    const QVariant alvo = converte(col, valor);
    for (int i = 0; i < recordCount(); ++i) {
        const QVariant& v = m_linhas[i][col];
        if (mesmoValor(v, alvo)) {
            setRecNo(i + 1);
            m_eof = false;
            return true;
        }
    }
    return false;
}

bool Dataset::hasField(const QString& campo) const
{
    return m_posCampo.contains(campo.toLower());
}

int Dataset::indiceCampo(const QString& campo) const
{
    const auto it = m_posCampo.constFind(campo.toLower());
    if (it == m_posCampo.constEnd())
        throw ErroPrograma(QStringLiteral("Campo %1 inexistente em %2.").arg(campo, m_tabela.isEmpty() ? m_sql : m_tabela));
    return *it;
}

const QVector<QVariant>& Dataset::linhaLeitura() const
{
    static const QVector<QVariant> vazia;
    if (editing())
        return m_buffer;
    if (m_linhas.isEmpty())
        return vazia;
    return m_linhas[m_atual];
}

QVector<QVariant>& Dataset::linhaAtiva()
{
    if (editing())
        return m_buffer;
    return m_linhas[m_atual];
}

QVariant Dataset::value(const QString& campo) const
{
    const int col = indiceCampo(campo);
    const auto& l = linhaLeitura();
    return col < l.size() ? l[col] : QVariant();
}

QVariant Dataset::valueAt(int linha, const QString& campo) const
{
    const int col = indiceCampo(campo);
    if (editing() && linha == m_atual)
        return m_buffer.value(col);
    if (linha < 0 || linha >= recordCount())
        return QVariant();
    return m_linhas[linha][col];
}

bool Dataset::isNull(const QString& campo) const { return value(campo).isNull(); }
int Dataset::asInt(const QString& campo) const { return value(campo).toInt(); }
double Dataset::asFloat(const QString& campo) const { return value(campo).toDouble(); }
QString Dataset::asString(const QString& campo) const
{
    const QVariant v = value(campo);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return v.toString();
}
QDate Dataset::asDate(const QString& campo) const { return value(campo).toDate(); }

QVariant Dataset::converte(int coluna, const QVariant& v) const
{
    if (v.isNull() || !m_esquema || coluna >= m_camposBanco)
        return v;
    const Esquema::Campo* c = m_esquema->campo(m_campos[coluna]);
    if (!c)
        return v;
    switch (c->tipo) {
    case Esquema::Tipo::Data:
        if (v.typeId() == QMetaType::QDate)
            return v;
        return QDate::fromString(v.toString().left(10), Qt::ISODate);
    case Esquema::Tipo::Curto:
    case Esquema::Tipo::AutoInc:
        if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
            return QVariant();
        return v.toInt();
    case Esquema::Tipo::Real:
        return v.toDouble();
    case Esquema::Tipo::Texto:
    case Esquema::Tipo::Memo:
        return v.toString();
    }
    return v;
}

QVariant Dataset::paraBanco(int coluna, const QVariant& v) const
{
    if (v.isNull())
        return QVariant();
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        return QVariant(); // an empty text stores null
    const Esquema::Campo* c = m_esquema ? m_esquema->campo(m_campos[coluna]) : nullptr;
    if (!c)
        return v;
    switch (c->tipo) {
    case Esquema::Tipo::Data: {
        const QDate d = v.typeId() == QMetaType::QDate ? v.toDate() : QDate::fromString(v.toString(), Qt::ISODate);
        if (!d.isValid())
            throw ErroPrograma(QStringLiteral("Data inválida no campo %1.").arg(c->nome));
        return d.toString(Qt::ISODate);
    }
    case Esquema::Tipo::Curto:
    case Esquema::Tipo::AutoInc: {
        bool ok = false;
        const qlonglong n = v.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw ErroPrograma(QStringLiteral("\"%1\" não é um número válido para o campo %2.").arg(v.toString(), c->nome));
        if (c->tipo == Esquema::Tipo::Curto && (n < -32768 || n > 32767))
            throw ErroPrograma(QStringLiteral("O valor %1 está fora do intervalo do campo %2.").arg(n).arg(c->nome));
        return n;
    }
    case Esquema::Tipo::Real: {
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            throw ErroPrograma(QStringLiteral("\"%1\" não é um número válido para o campo %2.").arg(v.toString(), c->nome));
        return d;
    }
    case Esquema::Tipo::Texto:
        if (c->tamanho > 0 && v.toString().size() > c->tamanho)
            throw ErroPrograma(QStringLiteral("O texto do campo %1 passa de %2 caracteres.").arg(c->nome).arg(c->tamanho));
        return v.toString();
    case Esquema::Tipo::Memo:
        return v.toString();
    }
    return v;
}

void Dataset::edit()
{
    if (editing())
        return;
    if (!isOpen() || m_linhas.isEmpty())
        throw ErroPrograma(QStringLiteral("Não há registro para alterar."));
    if (m_rowids.value(m_atual, -1) < 0 || !m_esquema)
        throw ErroPrograma(QStringLiteral("Esta consulta não pode ser alterada."));
    m_buffer = m_linhas[m_atual];
    m_estado = Estado::Editando;
    emit stateChanged();
}

void Dataset::setValue(const QString& campo, const QVariant& valor)
{
    if (!editing())
        throw ErroPrograma(QStringLiteral("O registro não está em edição."));
    const int col = indiceCampo(campo);
    // Checked as it is set, with the same rules as the write: a value the
    // column cannot hold (text in a number, out of range, too long) never
    // reaches the buffer. An empty text becomes null.
    m_buffer[col] = (col < m_camposBanco) ? converte(col, paraBanco(col, valor)) : valor;
}

void Dataset::setCalcValue(const QString& campo, const QVariant& valor)
{
    const int col = indiceCampo(campo);
    if (!m_linhas.isEmpty())
        m_linhas[m_atual][col] = valor;
}

void Dataset::post()
{
    if (!editing())
        return;
    const Estado estadoAntes = m_estado;
    const QVector<QVariant> digitado = m_buffer;
    const int posicaoAntes = m_atual;
    const bool inserindo = m_estado == Estado::Inserindo;
    const qint64 rowidAntes = inserindo ? -1 : m_rowids.value(m_atual, -1);
    QSqlDatabase db = banco();
    // The row and everything the after-save hook writes are one transaction:
    // stored together or not at all.
    Banco::Transacao transacao(db);
    try {
        if (beforePost)
            beforePost(*this);
        const QString tabela = m_esquema->nome;
        QStringList colunas;
        QVariantList valores;
        for (int c = 0; c < m_camposBanco; ++c) {
            const Esquema::Campo* campo = m_esquema->campo(m_campos[c]);
            if (!campo || campo->tipo == Esquema::Tipo::AutoInc)
                continue;
            if (!inserindo && m_buffer[c] == m_linhas[m_atual][c] && m_buffer[c].isNull() == m_linhas[m_atual][c].isNull())
                continue;
            colunas << campo->nome;
            valores << paraBanco(c, m_buffer[c]);
        }
        qint64 rowid = rowidAntes;
        if (!colunas.isEmpty() || inserindo) {
            QSqlQuery q(db);
            QString sql;
            if (inserindo) {
                QStringList marcas;
                for (int i = 0; i < colunas.size(); ++i)
                    marcas << QStringLiteral("?");
                QStringList nomes;
                for (const QString& c : colunas)
                    nomes << aspas(c);
                sql = colunas.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(aspas(tabela))
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(aspas(tabela), nomes.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
            } else {
                QStringList sets;
                for (const QString& c : colunas)
                    sets << aspas(c) + QStringLiteral(" = ?");
                sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(aspas(tabela), sets.join(QStringLiteral(", ")));
            }
            q.prepare(sql);
            for (const QVariant& v : valores)
                q.addBindValue(v);
            if (!inserindo)
                q.addBindValue(rowid);
            if (!q.exec()) {
                const QString erro = q.lastError().text();
                if (erro.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive))
                    throw ErroPrograma(QStringLiteral("Já existe outro registro de %1 com a mesma chave; nada foi gravado.").arg(tabela));
                throw ErroPrograma(QStringLiteral("Não foi possível gravar na tabela %1: %2\nNada foi gravado.")
                                       .arg(tabela, motivo(q.lastError())));
            }
            if (inserindo)
                rowid = q.lastInsertId().toLongLong();
        }
        m_estado = Estado::Navegando;
        m_buffer.clear();
        busca(rowid, m_atual);
        if (afterPost)
            afterPost(*this);
        transacao.confirma();
    } catch (...) {
        transacao.desfaz();
        // Back to what is stored, with the typed row still in edit.
        if (m_estado == Estado::Navegando) {
            try {
                busca(rowidAntes, posicaoAntes);
            } catch (const ErroPrograma&) {
            }
        }
        m_estado = estadoAntes;
        m_buffer = digitado;
        emit stateChanged();
        emiteReset();
        throw;
    }
    emit stateChanged();
    if (afterCommit)
        afterCommit(*this);
}

void Dataset::cancel()
{
    if (!editing())
        return;
    m_buffer.clear();
    m_estado = Estado::Navegando;
    emit stateChanged();
    emiteReset();
}

bool Dataset::append()
{
    if (editing())
        post();
    if (beforeInsert && !beforeInsert(*this))
        return false;
    if (!m_esquema)
        throw ErroPrograma(QStringLiteral("Esta consulta não aceita inclusões."));
    m_buffer = QVector<QVariant>(m_campos.size());
    m_estado = Estado::Inserindo;
    emit stateChanged();
    return true;
}

void Dataset::remove()
{
    if (editing())
        cancel();
    if (m_linhas.isEmpty() || m_rowids.value(m_atual, -1) < 0 || !m_esquema)
        return;
    QSqlQuery q(banco());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(aspas(m_esquema->nome)));
    q.addBindValue(m_rowids[m_atual]);
    if (!q.exec())
        throw ErroPrograma(QStringLiteral("Não foi possível excluir o registro:\n%1").arg(q.lastError().text()));
    busca(-1, m_atual);
}

void Dataset::addCalcField(const QString& nome)
{
    m_calculados << nome;
}

void Dataset::addLookupField(const QString& nome, const QString& campoChave, Dataset* fonte,
                             const QString& chaveFonte, const QString& resultado)
{
    m_lookups.append({nome, campoChave, fonte, chaveFonte, resultado});
}

void Dataset::disableControls()
{
    ++m_desligado;
}

void Dataset::enableControls()
{
    if (m_desligado > 0 && --m_desligado == 0) {
        emit dataReset();
        emit currentChanged(m_linhas.isEmpty() ? -1 : m_atual);
    }
}
