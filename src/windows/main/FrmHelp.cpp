#include "FrmHelp.h"

#include "HelpPicture.h"
#include "core/AppState.h"
#include "core/Program.h"
#include "core/Random.h"
#include "platform/Dialogs.h"
#include "windows/common/Placement.h"
#include "windows/common/Text.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cmath>

namespace velmorix {

namespace {

constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

// Picture2 slides between these tops (twips).
constexpr int PictureHighest = 720;
constexpr int PictureClimbFrom = 730;
constexpr int PictureStep = 10;
constexpr int16_t TicksDown = 260;
constexpr int PictureLeft = 590; // pixels
constexpr int PictureSize = 28;  // pixels

// The 16 colours of the classic palette, by number.
QColor paletteColour(int index) {
    static constexpr std::array<QRgb, 16> colours{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
        0x808080, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
    };
    return QColor::fromRgb(colours[static_cast<std::size_t>(index & 15)]);
}

QFont dejaVu(int pointSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

FrmHelp::FrmHelp(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Yardım - ") + programTitle());
    buildControls();
    setFixedSize(640, 440);
    placeCentred(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &FrmHelp::animationTick);
    Timer1->start();
    setKeyCommands(
        {{Qt::Key_Escape, [this] { close(); }},
         {Qt::Key_F10, [this] {
              dialogs().beep();
              dialogs().show(
                  buildText() +
                      QStringLiteral("\r\rBilgi ve destek: VELMORIX 653 Dizimci kullanıcı kılavuzu"),
                  QStringLiteral("VELMORIX 653 Uyarlama 6.5tr"), DialogIcon::None);
          }}});
}

QString FrmHelp::keyListText(const Game& game) {
    const QStringList lines{
        QStringLiteral("FONKSİYON TUŞLARI : "),
        QString(),
        QStringLiteral("F1=  Yeni ") + qtext(game.tag()) + QStringLiteral(" Kolonu"),
        QStringLiteral("F2=  Torba (Kolonlarda yer alabilecek toplar)"),
        QStringLiteral("F3=  Banko Toplar (Her kolonda yer alacak toplar)"),
        QStringLiteral("F4=  Rastgele Kolon Listesi"),
        QStringLiteral("F5=  Topları Numara Sırasına Göre Diz"),
        QStringLiteral("F6=  Keyfi Guruplama"),
        QStringLiteral("F7=  Filtreler (Yasaklar)"),
        QStringLiteral("F8=  Kombinasyon Listesini Göster"),
        QStringLiteral("F9=  Rastgele Kolonu Kayıtla"),
        QStringLiteral("F10= Yardım"),
        QStringLiteral("F11= Sonuçları Kaos Filtrelerine Göre Test Et"),
        QStringLiteral("F12= Kuantum İşlemleri"),
        QString(),
        QStringLiteral("ESC= Çıkış/Kapat"),
    };
    return lines.join(QLatin1Char('\n'));
}

QString FrmHelp::buildText() {
    return QStringLiteral("Uyarlama 6.5.6  DERLEME: 2005.07.10");
}

void FrmHelp::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Picture1 = new HelpPicture(HelpPicture::Kind::Emblem, state().game, central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(16, 14, 56, 56);

    // Two copies of the product line, one offset, read as a shadowed title.
    Label2 = new QLabel(QStringLiteral("VELMORIX 653 Uyarlama 6.5"), central);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(dejaVu(18, true));
    Label2->setStyleSheet(QStringLiteral("color: #9aa4b4;"));
    Label2->setGeometry(90, 14, 480, 34);
    Label1 = new QLabel(Label2->text(), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(dejaVu(18, true));
    Label1->setStyleSheet(QStringLiteral("color: #1d3a6b;"));
    Label1->setGeometry(88, 12, 480, 34);

    Label3 = new QLabel(QStringLiteral("DİZİMCİ"), central);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(dejaVu(13, true));
    Label3->setStyleSheet(QStringLiteral("color: #b03a2e;"));
    Label3->setGeometry(88, 46, 480, 24);

    Label4 = new QLabel(qtext(state().game.tag()) +
                            QStringLiteral(" kolon dizimcisi - kaos filtreleriyle kombinasyon listeleri"),
                        central);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(dejaVu(9, true));
    Label4->setGeometry(88, 74, 500, 20);

    Picture3 = new HelpPicture(HelpPicture::Kind::Ticket, state().game, central);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setGeometry(16, 110, 172, 214);

    Label5 = new QLabel(keyListText(state().game), central);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(dejaVu(9, false));
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setGeometry(208, 110, 370, 280);

    Picture2 = new HelpPicture(HelpPicture::Kind::Ball, state().game, central);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    m_pictureTop = PictureHighest;
    placePicture2();

    Label6 = new QLabel(QStringLiteral("Derleme: 2005.07.10"), central);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(dejaVu(8, false));
    Label6->setStyleSheet(QStringLiteral("color: #505050;"));
    Label6->setGeometry(16, 404, 200, 20);

    Command1 = new QPushButton(QStringLiteral("Tamam"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(524, 396, 100, 30);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &FrmHelp::close);
}

void FrmHelp::placePicture2() {
    Picture2->setGeometry(PictureLeft, px(m_pictureTop), PictureSize, PictureSize);
}

void FrmHelp::animationTick() {
    if (m_ticks < TicksDown) {
        m_pictureTop += PictureStep;
        ++m_ticks;
    } else if (m_pictureTop >= PictureClimbFrom) {
        m_pictureTop -= PictureStep;
    } else {
        m_ticks = 0;
    }
    placePicture2();

    Random& random = context().random;
    if (3 * random.next() > 2) {
        QPalette palette = Label4->palette();
        palette.setColor(QPalette::WindowText,
                         paletteColour(static_cast<int>(std::floor(16 * random.next()))));
        Label4->setPalette(palette);
    }
}

void FrmHelp::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    close();
}

void FrmHelp::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    VelmorixWindow::closeEvent(event);
}

} // namespace velmorix
