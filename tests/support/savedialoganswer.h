#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

// Answers the next save dialog as a person does, once it is on screen inside its modal loop:
// goes to the folder, picks the type when one is given, types the name and accepts.
inline void answerSaveDialog(const QString& folder, const QString& name,
                             const QString& type = QString()) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, folder, name, type] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        dialog->setDirectory(folder);
        if (!type.isEmpty()) {
            dialog->selectNameFilter(type);
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        static_cast<QDialog*>(dialog)->accept();
    });
    poll->start();
}
