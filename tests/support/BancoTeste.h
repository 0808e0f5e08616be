#pragma once
// An empty championship database (tables and indexes, no rows) in a
// temporary root, set as the root every dataset uses. Tests fill it with
// the few rows their case needs.
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <functional>

class BancoTeste {
public:
    // preenche receives a connection to the new database before any dataset opens it.
    explicit BancoTeste(const std::function<void(QSqlDatabase)>& preenche = {});
    ~BancoTeste();

    QString pasta(const QString& nome = QString()) const { return nome.isEmpty() ? m_dir.path() : m_dir.filePath(nome); }

private:
    QTemporaryDir m_dir;
};
