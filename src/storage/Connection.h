#pragma once

#include "storage/Database.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace velkor {

class Dataset;

/// A named database connection that can be closed and re-pointed at another file by
/// changing its connection string. Closing it closes every dataset that uses it.
class Connection {
public:
    explicit Connection(const QString& name);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& name() const { return m_name; }
    const QString& connectionString() const { return m_connectionString; }
    /// Sets the string used by the next open; an open connection stays on its file.
    void setConnectionString(const QString& text) { m_connectionString = text; }

    bool isOpen() const { return m_db != nullptr; }
    /// Opens the database of the connection string; throws DatabaseError.
    void open();
    /// Opens the connection when it is closed.
    void ensureOpen();
    /// Closes the datasets on the connection and then the connection.
    void close();
    /// The open database; throws DatabaseError when the connection is closed.
    Database& database();
    /// The full path of the open database file (empty when closed).
    QString filePath() const;

    /// Runs on every database the connection opens, before any dataset reads it: brings
    /// the file's tables up to what this program reads (a file of an earlier release).
    void setOnOpen(std::function<void(Database&)> upgrade) { m_onOpen = std::move(upgrade); }

    /// Datasets register themselves so that closing the connection closes them.
    void attach(Dataset* dataset);
    void detach(Dataset* dataset);

private:
    QString m_name;
    QString m_connectionString;
    std::unique_ptr<Database> m_db;
    std::vector<Dataset*> m_datasets;
    std::function<void(Database&)> m_onOpen;
};

} // namespace velkor
