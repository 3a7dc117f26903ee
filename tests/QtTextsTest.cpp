// Qt's own dialogs and menus speak Romanian: the Save dialog, a message box, the context menus
// of a text box and of a scroll bar.
#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// Every text a window shows, mnemonics and shortcut keys left out.
void collect(QWidget* root, QStringList& shown) {
    QStringList texts{root->windowTitle()};
    for (QWidget* w : root->findChildren<QWidget*>() + QWidgetList{root}) {
        texts << w->toolTip() << w->property("text").toString(); // labels, buttons
        if (auto* header = qobject_cast<QHeaderView*>(w))
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
        else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
                texts << view->model()->index(i, 0, view->rootIndex()).data().toString();
    }
    for (QAction* action : root->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (const QString& text : texts)
        shown << QString(text).remove('&').section('\t', 0, 0);
}

TEST(QtTextsTest, QtDialogsAndMenusAreInRomanian) {
    QTemporaryDir empty; // no file of the user's among the texts
    QFileDialog files(nullptr, "Salveaza ca...", empty.path(), "Fisiere text (*.txt)");
    files.setOptions(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    QMessageBox box(QMessageBox::Question, "Intrebare", "Text",
                    QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
    box.setDetailedText("Detalii");
    QScrollBar bar(Qt::Horizontal);
    QLineEdit edit("text");
    QStringList shown;
    for (QWidget* window : QWidgetList{&files, &box, &bar}) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        collect(window, shown);
    }
    collect(edit.createStandardContextMenu(), shown);
    QTimer::singleShot(0, [&] { // the scroll bar's menu runs its own event loop: read it there
        if (QWidget* menu = QApplication::activePopupWidget()) {
            collect(menu, shown);
            menu->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5}, bar.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&bar, &click);

    // Each English text Qt would show, and the Romanian one shown in its place.
    // clang-format off
    const std::pair<const char*, const char*> texts[] = {
        {"Look in:", "Cauta in:"}, {"File name:", "Nume fisier:"},
        {"Files of type:", "Fisiere de tipul:"}, {"Save", "Salveaza"}, {"Cancel", "Anuleaza"},
        {"Name", "Nume"}, {"Size", "Marime"}, {"Type", "Tip"},
        {"Date Modified", "Data modificarii"}, {"Computer", "Calculator"}, {"Back", "Inapoi"},
        {"Forward", "Inainte"}, {"Parent Directory", "Dosarul parinte"}, {"List View", "Lista"},
        {"Create New Folder", "Creeaza dosar nou"}, {"Detail View", "Detalii"},
        {"Delete", "Sterge"}, {"Rename", "Redenumeste"},
        {"Show hidden files", "Arata fisierele ascunse"}, {"Yes", "Da"},
        {"New Folder", "Dosar nou"}, {"No", "Nu"}, {"Show Details...", "Arata detaliile..."},
        {"Undo", "Anuleaza"}, {"Redo", "Reface"}, {"Cut", "Taie"}, {"Copy", "Copiaza"},
        {"Paste", "Lipeste"}, {"Select All", "Selecteaza tot"}, {"Scroll here", "Deruleaza aici"},
        {"Left edge", "Marginea din stanga"}, {"Right edge", "Marginea din dreapta"},
        {"Page left", "O pagina la stanga"}, {"Page right", "O pagina la dreapta"},
        {"Scroll left", "Deruleaza la stanga"}, {"Scroll right", "Deruleaza la dreapta"}};
    // clang-format on
    for (const auto& [english, romanian] : texts) {
        EXPECT_FALSE(shown.contains(english)) << english;
        EXPECT_TRUE(shown.contains(romanian)) << romanian;
    }
}

} // namespace
