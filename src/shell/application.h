#pragma once

#include <QApplication>

// The program's application object. Every user action runs guarded already; this is the last
// net under all of them: an error that no handler caught is shown, and the program goes on
// with its data as it is (nothing is written that was not written before).
class KursanApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
