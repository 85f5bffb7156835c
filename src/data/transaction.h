#pragma once

#include <QSqlDatabase>
#include <functional>

namespace data {

// Runs `write` in one transaction that takes the write lock at its start, so what it reads
// (the last numbers, a row's values) cannot change before it writes; waits as every
// connection does while another holds the lock. Only when the transaction is committed does
// `accept` run, so snapshots take a write only once it is stored. Throws data::Error, after
// rolling back, when any step fails.
void inTransaction(QSqlDatabase db, const std::function<void(QSqlDatabase&)>& write,
                   const std::function<void()>& accept = {});

} // namespace data
