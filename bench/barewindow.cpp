// barewindow: the floor a Qt clock is measured against: one small window and a 100 ms timer.
#include <QApplication>
#include <QBasicTimer>
#include <QWidget>

namespace {
class Bare : public QWidget
{
public:
    Bare() { m_timer.start(100, this); }

protected:
    void timerEvent(QTimerEvent *) override { ++m_nTicks; }

private:
    QBasicTimer m_timer;
    int m_nTicks = 0;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Bare window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(180, 60);
    window.show();
    return QApplication::exec();
}
