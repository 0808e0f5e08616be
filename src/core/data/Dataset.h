#pragma once
// The table engine adapter: datasets with a cursor over the SQLite tables.
//
// A dataset is either a table (ordered by a named index, a field list or the
// primary key, optionally linked to a master dataset) or a statement (named
// parameters, a name used twice takes one value). Rows are fetched into
// memory when the dataset opens; the cursor moves over them. A row is edited
// in a buffer and saved back with post(), around which the hooks run.
#include <QDate>
#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

namespace Esquema { struct Tabela; }

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class Estado { Fechado, Navegando, Editando, Inserindo };

    explicit Dataset(QObject* parent = nullptr);
    ~Dataset() override;

    // The connection to use; the program's main connection when never set.
    void setConexao(const QString& conexao);

    // Table mode.
    void setTableName(const QString& nome); // "Jogos.DB", "Jogos", "times1"
    QString tableName() const { return m_tabela; }
    void setIndexName(const QString& nome); // named index; empty for the primary index
    void setIndexFieldNames(const QString& campos); // "Time;Estado", ascending
    // Shows only the rows whose leading index fields equal these fields of the master's current row.
    void setMasterSource(Dataset* mestre, const QString& camposMestre);

    // Statement mode.
    void setSql(const QString& sql);
    QString sql() const { return m_sql; }
    // Parameters by position of their first occurrence (from 0), or by name.
    void setParam(int posicao, const QVariant& valor);
    void setParam(const QString& nome, const QVariant& valor);
    QStringList paramNames() const;

    void open();
    void close();
    bool isOpen() const { return m_estado != Estado::Fechado; }
    // Runs the table or statement again, keeping the cursor on the same row where it still is.
    void refresh();

    // Cursor.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return m_linhas.isEmpty(); }
    int recordCount() const { return static_cast<int>(m_linhas.size()); }
    int recNo() const { return m_linhas.isEmpty() ? 0 : m_atual + 1; } // from 1; 0 when empty
    void setRecNo(int n);
    // Positions on the first row whose leading index fields equal the values.
    bool findKey(const QVariantList& valores);
    bool locate(const QString& campo, const QVariant& valor);

    // Fields. A null number reads as 0 and a null text as an empty text.
    QStringList fieldNames() const { return m_campos; }
    bool hasField(const QString& campo) const;
    QVariant value(const QString& campo) const; // null stays null
    bool isNull(const QString& campo) const;
    int asInt(const QString& campo) const;
    double asFloat(const QString& campo) const;
    QString asString(const QString& campo) const;
    QDate asDate(const QString& campo) const;
    // A row other than the current one, from 0 (for grids).
    QVariant valueAt(int linha, const QString& campo) const;

    // Editing.
    Estado state() const { return m_estado; }
    bool editing() const { return m_estado == Estado::Editando || m_estado == Estado::Inserindo; }
    void edit();
    // Writing an empty text stores null.
    void setValue(const QString& campo, const QVariant& valor);
    // Saves the row: before-save hook, write, fetch again, cursor on the stored row, after-save hook,
    // all in one transaction, then the after-commit hook.
    // Throws ErroPrograma when the database or the after-save hook fails: nothing of the save is
    // stored and the row stays in edit with the values as they were typed.
    void post();
    void cancel();
    // Starts a new row; a before-insert hook that returns false cancels it silently.
    bool append();
    // Deletes the current row; the cursor stays on the next one.
    void remove();

    // Hooks.
    std::function<void(Dataset&)> beforePost;
    std::function<void(Dataset&)> afterPost;
    // After the save's transaction is committed (views of other tables refresh here).
    std::function<void(Dataset&)> afterCommit;
    std::function<bool(Dataset&)> beforeInsert;
    // Filled per row as it is fetched; recNo() is the row's position during the call.
    std::function<void(Dataset&)> onCalcFields;

    void addCalcField(const QString& nome);
    void setCalcValue(const QString& campo, const QVariant& valor);
    // nome = `resultado` of the source's row whose `chaveFonte` equals this row's `campoChave`.
    void addLookupField(const QString& nome, const QString& campoChave, Dataset* fonte,
                        const QString& chaveFonte, const QString& resultado);

    // While disabled, no signal reaches the views; enabling resets them once.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_desligado > 0; }

    // The statement as it goes to SQLite (for tests of the dialect).
    static QString traduz(const QString& sql, QStringList* nomes);

signals:
    void dataReset();            // opened, closed or fetched again
    void currentChanged(int linha);
    void stateChanged();

private:
    struct Lookup { QString nome, chave; Dataset* fonte; QString chaveFonte, resultado; };

    QSqlDatabase banco() const;
    void busca(qint64 manterRowid, int manterPosicao);
    QStringList camposOrdem() const;
    QStringList camposDoIndice() const; // leading fields of the current order
    QVector<QVariant>& linhaAtiva();
    const QVector<QVariant>& linhaLeitura() const;
    int indiceCampo(const QString& campo) const;
    QVariant converte(int coluna, const QVariant& v) const;
    QVariant paraBanco(int coluna, const QVariant& v) const;
    void calcula();
    void moveuCursor();
    void emiteReset();

    QString m_conexao;
    QString m_tabela;
    const Esquema::Tabela* m_esquema = nullptr;
    QString m_indice;
    QStringList m_camposIndice;
    bool m_porCampos = false;
    Dataset* m_mestre = nullptr;
    QStringList m_camposMestre;
    QString m_sql;
    QStringList m_nomesParam;
    QHash<QString, QVariant> m_params;

    Estado m_estado = Estado::Fechado;
    QStringList m_campos;          // stored fields, then calculated and lookup fields
    QHash<QString, int> m_posCampo;// lower-case name -> column
    int m_camposBanco = 0;
    QVector<QVector<QVariant>> m_linhas;
    QVector<qint64> m_rowids;      // -1 for rows of statements that are not single-table
    QVector<QVariant> m_buffer;
    int m_atual = 0;
    bool m_eof = true;
    bool m_bof = true;
    QStringList m_calculados;
    QList<Lookup> m_lookups;
    int m_desligado = 0;
};
