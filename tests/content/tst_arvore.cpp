// The default install tree: every file the tables can name exists and
// decodes at its size, the history agrees with the all-time figures, and
// two builds give the same bytes.
#include "ArvoreInstalacao.h"
#include "ArvoreTeste.h"
#include "core/errors/Erros.h"
#include "core/pictures/Escudos.h"
#include "core/install/Ini.h"
#include "core/pictures/Jpeg.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QtEndian>
#include <QtTest>

namespace {

QSize tamanho(const QString& arquivo)
{
    if (arquivo.endsWith(QLatin1String(".jpg")))
        return Jpeg::le(arquivo).size();
    QImageReader r(arquivo);
    const QImage img = r.read();
    return img.isNull() ? QSize() : img.size();
}

QList<int> inteiros(QSqlDatabase db, const QString& sql)
{
    QList<int> r;
    QSqlQuery q(db);
    q.exec(sql);
    while (q.next())
        r << q.value(0).toInt();
    return r;
}

QMap<QString, QByteArray> resumo(const QString& raiz)
{
    QMap<QString, QByteArray> r;
    QDirIterator it(raiz, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        QFile arq(f);
        arq.open(QIODevice::ReadOnly);
        r.insert(f.mid(raiz.size()), QCryptographicHash::hash(arq.readAll(), QCryptographicHash::Sha256));
    }
    return r;
}

} // namespace

class TstArvore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_arvore = new ArvoreTeste; }
    void cleanupTestCase() { delete m_arvore; }

    void escudosDeCadaCodigo();
    void figurasDosClubesDaTemporada();
    void figurasFixas_data();
    void figurasFixas();
    void skins();
    void slotsDePatrocinio();
    void paginasERegras();
    void sons();
    void configuracao();
    void semOutroNomeDoCampeonato();
    void atualizacaoSeparaRealDoProprio();
    void escudosDesenhados();

    void totaisDoHistorico_data();
    void totaisDoHistorico();
    void rankingNaOrdem();
    void campeoesReais_data();
    void campeoesReais();

    void mesmaConstrucaoMesmosBytes();
    void pastaImpossivel();

private:
    ArvoreTeste* m_arvore = nullptr;
};

void TstArvore::escudosDeCadaCodigo()
{
    const Caminhos c = m_arvore->caminhos();
    QSet<int> codigos;
    for (const char* sql : {"SELECT Cod_Time FROM Times1", "SELECT Time1 FROM Jogos", "SELECT Time2 FROM Jogos",
                            "SELECT DISTINCT Cod_Time1 FROM Confrontos", "SELECT DISTINCT Cod_Time2 FROM Confrontos"})
        for (int x : inteiros(m_arvore->banco(), QString::fromLatin1(sql)))
            codigos << x;
    for (int x = 0; x <= 126; ++x) // the badge list covers every code
        codigos << x;
    QVERIFY(codigos.size() > 127 - 1);
    for (int x : codigos) {
        QCOMPARE(tamanho(c.normal(x)), QSize(60, 60));
        QCOMPARE(tamanho(c.mini(x)), QSize(15, 15));
        QCOMPARE(tamanho(c.miniR(x)), QSize(20, 20));
    }
}

void TstArvore::figurasDosClubesDaTemporada()
{
    const Caminhos c = m_arvore->caminhos();
    const QList<int> temporada = inteiros(m_arvore->banco(), "SELECT Cod_Time FROM Times1 WHERE Divisao = '1'");
    QCOMPARE(temporada.size(), 28);
    for (int x : temporada) {
        const QByteArray qual = QByteArray::number(x);
        QVERIFY2(tamanho(c.banner(x)) == QSize(335, 89), qual);
        QVERIFY2(tamanho(c.bannerC(x)).height() == 89, qual);
        QVERIFY2(tamanho(c.relatorios(x)) == QSize(335, 89), qual);
        QVERIFY2(tamanho(c.relatoriosC(x)) == QSize(385, 89), qual);
        QVERIFY2(tamanho(c.estadio(x)) == QSize(330, 200), qual);
        QVERIFY2(tamanho(c.matEsportivo(x)) == QSize(130, 60), qual);
        QVERIFY2(tamanho(c.patrocinios(x)) == QSize(130, 60), qual);
    }
}

void TstArvore::figurasFixas_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QSize>("esperado");
    const Caminhos c = m_arvore->caminhos();
    QTest::newRow("menu") << c.menu() << QSize(1028, 753);
    QTest::newRow("relatório") << c.relatorio() << QSize(718, 89);
    QTest::newRow("borda A") << c.bordaA() << QSize(118, 96);
    QTest::newRow("borda C") << c.bordaC() << QSize(118, 123);
}

void TstArvore::figurasFixas()
{
    QFETCH(QString, arquivo);
    QFETCH(QSize, esperado);
    QCOMPARE(tamanho(arquivo), esperado);
}

void TstArvore::skins()
{
    const Caminhos c = m_arvore->caminhos();
    QSqlQuery q(m_arvore->banco());
    QVERIFY(q.exec("SELECT Time FROM Times1 WHERE Divisao = '1'"));
    QStringList esperados = {"Golazzo 2001"};
    while (q.next())
        esperados << q.value(0).toString();
    for (const QString& s : esperados)
        QVERIFY2(tamanho(c.skin(s)) == QSize(81, 81), qPrintable(s));
    const QStringList arquivos = QDir(c.pastaSkins()).entryList({"*.bmp"}, QDir::Files);
    QCOMPARE(arquivos.size(), esperados.size());
    // Every colour group of the frame is reachable through some skin.
    for (const char* s : {"Santos", "Juventude", "São Paulo", "Atlético-MG", "Paraná"})
        QVERIFY(arquivos.contains(QString::fromUtf8(s) + ".bmp"));
}

void TstArvore::slotsDePatrocinio()
{
    const Caminhos c = m_arvore->caminhos();
    int ligadosComHint = 0, desligadoComHint = 0, desligadoSemHint = 0;
    for (int s = 1; s <= 6; ++s) {
        const QSize t = s == 6 ? QSize(118, 123) : QSize(60, 40);
        QCOMPARE(tamanho(c.slotImagem(s, true)), t);
        QCOMPARE(tamanho(c.slotImagem(s, false)), t);
        QVERIFY(QFile::exists(c.slotPagina(s)));
        const bool ligado = Ini::le(c.slotConfig(s), "Patrocinio", "Ligado", "N") == QLatin1String("S");
        const QString hint = Ini::le(c.slotConfig(s), "Patrocinio", "Hint");
        const QString titulo = Ini::le(c.slotConfig(s), "Patrocinio", "Titulo");
        if (ligado && !hint.isEmpty() && !titulo.isEmpty())
            ++ligadosComHint;
        if (!ligado && !hint.isEmpty())
            ++desligadoComHint;
        if (!ligado && hint.isEmpty())
            ++desligadoSemHint;
    }
    QVERIFY(ligadosComHint >= 2);
    QCOMPARE(desligadoComHint, 1);
    QCOMPARE(desligadoSemHint, 1);
    QCOMPARE(Ini::le(c.slotConfig(2), "Patrocinio", "Ligado"), QStringLiteral("S"));
    QVERIFY(QFile::exists(c.patrocinioInicial()));
}

void TstArvore::paginasERegras()
{
    const Caminhos c = m_arvore->caminhos();
    static const char* const titulos[] = {"Regras do Futebol", "O Campo de Jogo", "A Bola", "Número de Jogadores",
                                          "O Equipamento", "O Árbitro", "Os Assistentes", "Duração da Partida",
                                          "Início de Jogo", "Bola em Jogo", "Gol", "Impedimento",
                                          "Conduta Antidesportiva", "Tiros Livres", "Tiro Penal", "Arremesso Lateral",
                                          "Tiro de Meta", "Tiro de Canto", "Tiros desde o Ponto Penal",
                                          "A Área Técnica", "O Quarto Árbitro"};
    QStringList paginas;
    for (int n = 0; n <= 20; ++n) {
        QFile f(c.regras(n));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(c.regras(n)));
        const QString html = QString::fromUtf8(f.readAll());
        QVERIFY2(html.contains(QStringLiteral("<title>%1</title>").arg(QString::fromUtf8(titulos[n]))), qPrintable(QString::number(n)));
        paginas << c.regras(n);
    }
    paginas << c.atualizacao() << c.patrocinioInicial();
    for (int s = 1; s <= 6; ++s)
        paginas << c.slotPagina(s);
    // Every local link leads to a page of the tree.
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#:]+)\""));
    for (const QString& p : paginas) {
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        auto it = href.globalMatch(html);
        while (it.hasNext()) {
            const QString alvo = QFileInfo(p).dir().filePath(it.next().captured(1));
            QVERIFY2(QFile::exists(alvo), qPrintable(p + " -> " + alvo));
        }
    }
}

void TstArvore::sons()
{
    const Caminhos c = m_arvore->caminhos();
    for (const char* nome : {"Certo1.WAV", "Erro1.WAV", "Win.WAV", "GameOver.WAV"}) {
        QFile f(c.som(QString::fromLatin1(nome)));
        QVERIFY2(f.open(QIODevice::ReadOnly), nome);
        const QByteArray w = f.readAll();
        QVERIFY(w.size() > 44 + 2000);
        QCOMPARE(w.left(4), QByteArray("RIFF"));
        QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(w.constData() + 20), quint16(1)); // PCM
        QCOMPARE(qFromLittleEndian<quint32>(w.constData() + 4), quint32(w.size() - 8));
        QCOMPARE(w.mid(36, 4), QByteArray("data"));
        QCOMPARE(qFromLittleEndian<quint32>(w.constData() + 40), quint32(w.size() - 44));
    }
}

void TstArvore::configuracao()
{
    const Caminhos c = m_arvore->caminhos();
    QCOMPARE(Ini::le(c.configIni(), "Skin", "Atual"), QStringLiteral("Golazzo 2001"));
    // The skins folder is the tree's own, wherever the tree was built.
    QCOMPARE(Ini::le(c.configIni(), "Skin", "Diretorio", c.pastaSkins()), c.pastaSkins());
}

void TstArvore::semOutroNomeDoCampeonato()
{
    QDirIterator it(m_arvore->raiz(), {"*.htm", "*.ini"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString t = QString::fromUtf8(f.readAll());
        QVERIFY2(!t.contains(QLatin1String("Brasileir"), Qt::CaseInsensitive), qPrintable(f.fileName()));
    }
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Times1 WHERE Titulos LIKE '%Brasileir%' OR Hino LIKE '%Brasileir%'").toInt(), 0);
}

// The update page tells real facts from the program's own: the two-legged
// semi-finals and final are the program's regulations, not the real format.
void TstArvore::atualizacaoSeparaRealDoProprio()
{
    QFile f(m_arvore->caminhos().atualizacao());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    const int real = html.indexOf(QStringLiteral("Fatos reais"));
    const int proprio = html.indexOf(QStringLiteral("Regulamento próprio"));
    QVERIFY(real >= 0);
    QVERIFY(proprio > real);
    // The format is not among the real facts.
    const QString fatos = html.mid(real, proprio - real);
    QVERIFY2(!fatos.contains(QStringLiteral("semifinais"), Qt::CaseInsensitive), qPrintable(fatos));
    QVERIFY2(!fatos.contains(QStringLiteral("fórmula"), Qt::CaseInsensitive), qPrintable(fatos));
    // It is the program's own, as its rules pages and standings screen state, and said not to be the real one.
    const QString regulamento = html.mid(proprio, html.indexOf(QStringLiteral("</tr>"), proprio) - proprio);
    QVERIFY(regulamento.contains(QStringLiteral("semifinais e final em dois jogos")));
    QVERIFY(regulamento.contains(QStringLiteral("Classificação")));
    QVERIFY(regulamento.contains(QStringLiteral("não é a fórmula de disputa do campeonato real")));
}

void TstArvore::escudosDesenhados()
{
    // Same code and size, same picture; different clubs differ; the picker and list sizes are honoured.
    QCOMPARE(Escudos::desenha(21, 38), Escudos::desenha(21, 38));
    QVERIFY(Escudos::desenha(9, 38) != Escudos::desenha(8, 38));
    QCOMPARE(Escudos::desenha(126, 15).size(), QSize(15, 15));
    QCOMPARE(Escudos::desenha(0, 38).size(), QSize(38, 38));
}

void TstArvore::totaisDoHistorico_data()
{
    // The club of each row is picked by a statement, so the sample stays meaningful for any seed.
    QTest::addColumn<QString>("escolha");
    QTest::newRow("Palmeiras") << "SELECT 17";
    QTest::newRow("Vasco") << "SELECT 24";
    QTest::newRow("Sport") << "SELECT 23";
    QTest::newRow("Paraná, só a partir de 1990") << "SELECT 122";
    QTest::newRow("histórico com mais jogos")
        << "SELECT Cod_Time FROM Times1 WHERE Divisao = '2' ORDER BY CBF_Jogos DESC, Cod_Time LIMIT 1";
    QTest::newRow("histórico com menos jogos")
        << "SELECT Cod_Time FROM Times1 WHERE Divisao = '2' AND CBF_Jogos > 0 ORDER BY CBF_Jogos, Cod_Time LIMIT 1";
    QTest::newRow("vaga sem jogos") << "SELECT Cod_Time FROM Times1 WHERE Divisao = 'V' ORDER BY Cod_Time LIMIT 1";
}

void TstArvore::totaisDoHistorico()
{
    QFETCH(QString, escolha);
    const QVariant escolhido = m_arvore->valor(escolha);
    QVERIFY(escolhido.isValid());
    const int codigo = escolhido.toInt();
    QSqlQuery q(m_arvore->banco());
    QVERIFY(q.exec(QStringLiteral("SELECT Data, Cod_Time1, Gols_Time1, Gols_Time2 FROM Confrontos "
                                  "WHERE Cod_Time1 = %1 OR Cod_Time2 = %1").arg(codigo)));
    int pontos = 0, possiveis = 0, jogos = 0, v = 0, e = 0, d = 0, gp = 0, gc = 0;
    QSet<int> anos;
    while (q.next()) {
        const QDate dia = QDate::fromString(q.value(0).toString(), Qt::ISODate);
        QVERIFY(dia.year() >= 1971 && dia.year() <= 2000);
        const bool primeiro = q.value(1).toInt() == codigo;
        const int pro = primeiro ? q.value(2).toInt() : q.value(3).toInt();
        const int contra = primeiro ? q.value(3).toInt() : q.value(2).toInt();
        const int vitoria = dia.year() <= 1994 ? 2 : 3;
        ++jogos;
        possiveis += vitoria;
        gp += pro;
        gc += contra;
        anos << dia.year();
        if (pro > contra) {
            ++v;
            pontos += vitoria;
        } else if (pro == contra) {
            ++e;
            ++pontos;
        } else {
            ++d;
        }
    }
    QVERIFY(q.exec(QStringLiteral("SELECT CBF_Pontos, CBF_Jogos, CBF_Vitorias, CBF_Empates, CBF_Derrotas, CBF_GolsPro, "
                                  "CBF_GolsContra, CBF_Saldo, CBF_Aproveitamento, CBF_Participacoes FROM Times1 "
                                  "WHERE Cod_Time = %1").arg(codigo)));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), pontos);
    QCOMPARE(q.value(1).toInt(), jogos);
    QCOMPARE(q.value(2).toInt(), v);
    QCOMPARE(q.value(3).toInt(), e);
    QCOMPARE(q.value(4).toInt(), d);
    QCOMPARE(q.value(5).toInt(), gp);
    QCOMPARE(q.value(6).toInt(), gc);
    QCOMPARE(q.value(7).toInt(), gp - gc);
    QVERIFY(qAbs(q.value(8).toDouble() - (possiveis ? 100.0 * pontos / possiveis : 0.0)) <= 0.05 + 1e-9);
    QCOMPARE(q.value(9).toInt(), anos.size());
    // The history strip names a place for exactly the seasons played.
    QStringList colunas;
    for (int a = 1971; a <= 2000; ++a)
        colunas << QStringLiteral("(P%1 IS NOT NULL)").arg(a % 100, 2, 10, QLatin1Char('0'));
    QCOMPARE(m_arvore->valor(QStringLiteral("SELECT %1 FROM Times1 WHERE Cod_Time = %2")
                                 .arg(colunas.join(" + "))
                                 .arg(codigo))
                 .toInt(),
             anos.size());
}

void TstArvore::rankingNaOrdem()
{
    QSqlQuery q(m_arvore->banco());
    QVERIFY(q.exec("SELECT RankingCBF, Cod_Time FROM Times1 WHERE Divisao IS NOT 'V' ORDER BY CBF_Pontos DESC, "
                   "CBF_Vitorias DESC, CBF_Jogos DESC, CBF_Saldo DESC, CBF_GolsPro DESC, CBF_Aproveitamento DESC, "
                   "Cod_Time"));
    int posicao = 0;
    while (q.next())
        QCOMPARE(q.value(0).toInt(), ++posicao);
    QVERIFY(posicao > 28);
    // The knock-out placeholders, marked by `Divisao` "V", are the six slots of
    // the semi-finals and final; they hold no ranking position.
    QVERIFY(q.exec("SELECT Time, RankingCBF FROM Times1 WHERE Divisao = 'V' ORDER BY Cod_Time"));
    QStringList vagas;
    while (q.next()) {
        vagas << q.value(0).toString();
        QVERIFY2(q.value(1).isNull(), qPrintable(q.value(0).toString()));
    }
    QCOMPARE(vagas, (QStringList{"1º Colocado", "2º Colocado", "3º Colocado", "4º Colocado", "Vencedor S1",
                                 "Vencedor S2"}));
}

void TstArvore::campeoesReais_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("coluna");
    QTest::newRow("1971 Atlético-MG") << 2 << "P71";
    QTest::newRow("1978 Guarani") << 14 << "P78";
    QTest::newRow("1987 Sport") << 23 << "P87";
    QTest::newRow("1995 Botafogo") << 5 << "P95";
    QTest::newRow("2000 Vasco") << 24 << "P00";
}

void TstArvore::campeoesReais()
{
    QFETCH(int, codigo);
    QFETCH(QString, coluna);
    QCOMPARE(m_arvore->valor(QStringLiteral("SELECT %1 FROM Times1 WHERE Cod_Time = %2").arg(coluna).arg(codigo)).toInt(), 1);
    QCOMPARE(m_arvore->valor(QStringLiteral("SELECT count(*) FROM Times1 WHERE %1 = 1").arg(coluna)).toInt(), 1);
}

void TstArvore::mesmaConstrucaoMesmosBytes()
{
    QTemporaryDir a, b;
    ArvoreInstalacao::constroi(a.path() + "/arvore");
    ArvoreInstalacao::constroi(b.path() + "/arvore");
    const auto ra = resumo(a.path() + "/arvore");
    const auto rb = resumo(b.path() + "/arvore");
    QVERIFY(ra.size() > 600);
    QCOMPARE(ra.keys(), rb.keys());
    for (auto it = ra.cbegin(); it != ra.cend(); ++it)
        QVERIFY2(it.value() == rb.value(it.key()), qPrintable(it.key()));
}

void TstArvore::pastaImpossivel()
{
    // A root below a plain file cannot be created: a clear message, no crash.
    QTemporaryDir d;
    QFile arquivo(d.filePath("ocupado"));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    QString mensagem;
    try {
        ArvoreInstalacao::constroi(d.filePath("ocupado/arvore"));
    } catch (const ErroPrograma& e) {
        mensagem = e.mensagem();
    }
    QVERIFY2(mensagem.startsWith(QStringLiteral("Não foi possível")), qPrintable(mensagem));
}

QTEST_MAIN(TstArvore)
#include "tst_arvore.moc"
