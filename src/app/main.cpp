#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kelvaro"));
    QApplication::setQuitOnLastWindowClosed(false);
    return 0;
}
