#include "app/application.h"
#include "app/copycommands.h"
#include "app/datafiles.h"
#include "app/datamenucommands.h"
#include "app/pastecommands.h"
#include "data/datawindow.h"
#include "data/module1.h"
#include "framework/savedialog.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

namespace {

const QString textFilter = QStringLiteral("Tab-Delim Text (*.asc *.ascii *.text *.txt)");
const QString dataFileFilter = QStringLiteral("TVK Data File (*.qtv)");
const framework::SaveFileType textType{textFilter, "txt"};
const framework::SaveFileType dataFileType{dataFileFilter, "qtv"};

std::filesystem::path pathOf(const QString& file) {
    return std::filesystem::path(file.toStdString());
}

QString openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(&Window1::instance(), QString(), QString(), filter);
}

QString saveFileName(const framework::SaveFileType& type, const QString& defaultName) {
    return framework::saveFileName(&Window1::instance(), QString(), defaultName, {&type, 1});
}

void setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void paste(PasteColumns columns) {
    Module1::pasteCommand(QGuiApplication::clipboard()->text().toStdString(), columns);
}

} // namespace

void App::Event_OpenDocument(const QString& path) {
    Module1::openDocument(pathOf(path));
}

bool App::OpenTabDelimText_Action() {
    if (const QString file = openFileName(textFilter); !file.isEmpty()) {
        Module1::openTextFile(pathOf(file));
    }
    return false;
}

bool App::OpenQTVKDataFile_Action() {
    if (const QString file = openFileName(dataFileFilter); !file.isEmpty()) {
        Module1::openDataFile(pathOf(file));
    }
    return false;
}

bool App::SaveTabDelimText_Action() {
    if (const QString file = saveFileName(textType, "Untitled.txt"); !file.isEmpty()) {
        Module1::saveTextFile(pathOf(file));
    }
    return false;
}

bool App::SaveQTVKDataFile_Action() {
    if (const QString file = saveFileName(dataFileType, "Untitled.qtv"); !file.isEmpty()) {
        Module1::saveDataFile(pathOf(file));
    }
    return false;
}

bool App::EditPasteData_Action() {
    paste(PasteColumns::both);
    return false;
}

bool App::EditPasteDVData_Action() {
    paste(PasteColumns::dv);
    return false;
}

bool App::EditPhasePhaseData_Action() {
    paste(PasteColumns::phase);
    return false;
}

bool App::EditCopyBothColumns_Action() {
    if (const auto text = Module1::copyCommand(PasteColumns::both)) {
        setClipboardText(*text);
        Module1::datasaved = true;
    }
    return false;
}

bool App::EditCopyDVColumn_Action() {
    if (const auto text = Module1::copyCommand(PasteColumns::dv)) {
        setClipboardText(*text);
    }
    return false;
}

bool App::EditCopyPhaseColumn_Action() {
    if (const auto text = Module1::copyCommand(PasteColumns::phase)) {
        setClipboardText(*text);
    }
    return false;
}

bool App::DataDeleteRow_Action() {
    Module1::deleteRowCommand(Window1::instance().ListIndex());
    return false;
}

bool App::DataClearRow_Action() {
    Module1::clearRowCommand(Window1::instance().ListIndex());
    return false;
}

bool App::DataClearColumn_Action() {
    Module1::clearDVColumnCommand();
    return false;
}

bool App::DataClearPhaseColumn_Action() {
    Module1::clearPhaseColumnCommand();
    return false;
}

bool App::DataClearAllData_Action() {
    Module1::clearAllDataCommand();
    return false;
}
