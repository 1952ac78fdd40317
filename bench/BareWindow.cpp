// The start-up and memory floor: a bare Qt Widgets program with one window of
// the main window's outer size, a menu bar and one line edit.
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(664, 457);
    auto* menu = new QMenuBar(&window);
    menu->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    menu->setGeometry(0, 0, 664, menu->sizeHint().height());
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(8, menu->height() + 8, 120, 23);
    window.show();
    return app.exec();
}
