// The yardstick for the program's start-up: the smallest Qt Widgets main window with a button
// and a label, as a new Qt program starts.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("0:00:00"), central));
    layout->addWidget(new QPushButton(QStringLiteral("&Start"), central));
    window.setCentralWidget(central);
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.show();
    return app.exec();
}
