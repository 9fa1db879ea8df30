// A bare Qt window of the chart's size with the chart's File and Edit menus,
// built the way the framework builds them: the yardstick StartupBench holds
// the program's start-up against.
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Quit", QKeySequence("Ctrl+Q"), &application, &QApplication::quit);
    QMenu* edit = window.menuBar()->addMenu("&Edit");
    edit->addAction("&Undo", QKeySequence("Ctrl+Z"));
    edit->addSeparator();
    edit->addAction("Cu&t", QKeySequence("Ctrl+X"));
    edit->addAction("&Copy", QKeySequence("Ctrl+C"));
    edit->addAction("&Paste", QKeySequence("Ctrl+V"));
    edit->addAction("&Delete");
    edit->addSeparator();
    edit->addAction("Select &All", QKeySequence("Ctrl+A"));
    auto* content = new QWidget;
    content->setFixedSize(1013, 917);
    window.setCentralWidget(content);
    window.show();
    return application.exec();
}
