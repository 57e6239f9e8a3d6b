#include "BallWindowTexts.h"

#include "core/AppState.h"
#include "core/Game.h"
#include "windows/common/Text.h"

#include <QStringList>

namespace velmorix {

namespace {

QString lines(const QStringList& items) {
    return items.join(QLatin1Char('\r'));
}

QString paragraphs(const QStringList& items) {
    return items.join(QStringLiteral("\r\r"));
}

// "..., 13983816 olasılık ortaya çıkar. Banko top kullanmadan, çıkması beklenen
// 36 top torbaya konursa, 1947792 olasılık ortaya çıkar...": the game's own
// figures, the expected balls being 36 of 49 moved to the game.
QString chancesText(const Game& game, const QString& allBalls) {
    const int expected = game.scaled(36);
    return QStringLiteral("Tüm toplar ") + allBalls + QStringLiteral("torbaya konursa, ") +
           QString::number(game.columns()) +
           QStringLiteral(" olasılık ortaya çıkar. Banko top kullanmadan, çıkması beklenen ") +
           QString::number(expected) + QStringLiteral(" top torbaya konursa, ") +
           QString::number(CombinationCount(expected, 6)) + QStringLiteral(" olasılık ortaya çıkar...");
}

} // namespace

QString ballsSavedText() {
    return QStringLiteral("Seçilen toplar VELMORIX.DAT dosyasına kayıtlandı...");
}

QString bagFunctionKeysText() {
    return lines({
        QStringLiteral("FONKSİYON TUŞLARI : "),
        QString(),
        QStringLiteral("F1=  Uygula (İşaretli topları torbaya koy)"),
        QStringLiteral("F2=  Topları 'VELMORIX.DAT' dosyasından yükle"),
        QStringLiteral("F3=  İşaretli topları 'VELMORIX.DAT' dosyasına kayıtla"),
        QStringLiteral("F4=  Hepsini Seç"),
        QStringLiteral("F5=  Hiçbirini Seçme"),
        QStringLiteral("F6=  En Az Çıkanları (Otomatik) Yükle"),
        QStringLiteral("F7=  En Az Çıkanları ve En Çok Çıkanları Atarak (Otomatik) Yükle"),
        QStringLiteral("F8=  En Çok Çıkanları (Otomatik) Yükle"),
        QString(),
        QStringLiteral("F10= Yardım"),
        QStringLiteral("F11= 'Torba Niçin ve Nasıl Kullanılır' Açıklaması"),
        QStringLiteral("F12= Tavsiyeler"),
        QString(),
        QStringLiteral("ESC= Kapat"),
    });
}

QString bagHowAndWhyText(const Game& game) {
    return paragraphs({
        QStringLiteral("'TORBA' kombinasyonlarda yer alacak topların içine konulduğu sanal bir torbadır; "
                       "gerçekte, kullanılacak toplar kümesidir..."),
        QStringLiteral("Tüm rastgele ve formüllü kolonlar torbada yer alan sayılardan oluşur..."),
        QStringLiteral(
            "Olası tüm kombinasyonların sayısını düşük tutmak ve dolayısıyla, oynanabilecek kolon "
            "sayısına yaklaşmak için, torbadaki sayılar sonuçlara veya sezgiye/isteğe göre elenir..."),
        chancesText(game, QString()),
        QStringLiteral("Bununla birlikte, torbaya konmayan (elenen) toplardan biri ve birkaçı '") +
            qtext(game.name()) +
            QStringLiteral("' çekilişinde çıkarsa, tüm olasılıklar oynansa dahi, 6 tutturulamaz..."),
    });
}

QString bagAdviceText() {
    return paragraphs({
        QStringLiteral(
            "Oynayacağınız kolon sayısı fazla ise, riskiniz artacağı için, torbadaki sayıları fazla "
            "tutun; ama, filtreleri daha dikkatli ve etkili uygulayın. Geçmişte ve özellikle son "
            "haftalarda çıkmış sonuçların sayı dağılımlarını 'TESADÜFLER SÜREKLİ OLAMAZ' prensibine "
            "göre analiz edin ve ona göre filtreler uygulayın..."),
        QStringLiteral("Topları daha önce çıkmış kolonlara göre seçecekseniz, en çok çıkan ve en az çıkan "
                       "topları atın veya belirli bir sayı sırasını atın..."),
        QStringLiteral(
            "En az ve en çok çıkan toplar dışında seçeceğiniz bir veya iki banko top, hem programın "
            "işlem süresini kısaltır, hem de formüllü kolon sayısında önemli düşüş sağlar..."),
    });
}

QString bankoFunctionKeysText() {
    return lines({
        QStringLiteral("FONKSİYON TUŞLARI : "),
        QString(),
        QStringLiteral("F1=  Uygula (İstenen topu/topları banko top yap)"),
        QStringLiteral("F2=  Banko seçimini 'VELMORIX.DAT' dosyasından yükle"),
        QStringLiteral("F3=  Banko seçimini 'VELMORIX.DAT' dosyasına kayıtla"),
        QString(),
        QStringLiteral("F4-F9= Banko top sayısı seçimi"),
        QString(),
        QStringLiteral("F10= Yardım"),
        QStringLiteral("F11= 'Banko Nedir ve Niçin Kullanılır' Açıklaması"),
        QStringLiteral("F12= Tavsiyeler"),
        QString(),
        QStringLiteral("ESC= Kapat"),
    });
}

QString bankoWhatIsText(const Game& game) {
    return paragraphs({
        QStringLiteral("'BANKO TOP' ifadesi tüm kombinasyonlarda mutlaka yer alacak topları belirtir..."),
        QStringLiteral("Olası tüm kombinasyonların sayısını düşük tutmak ve dolayısıyla, oynanabilecek kolon "
                       "sayısına yaklaşmak için, bir yada iki (yada beş'e kadar) top sonuçlara veya "
                       "sezgiye/isteğe göre 'banko' seçilebilir..."),
        chancesText(game, QStringLiteral("(bankosuz) ")),
        QStringLiteral("Bir banko top seçilirse ve diğer ") + QString::number(game.balls() - 1) +
            QStringLiteral(" top torbaya konursa, ") +
            QString::number(CombinationCount(game.balls() - 1, 5)) +
            QStringLiteral(" olasılık ortaya çıkar..."),
        QStringLiteral("Bununla birlikte, banko top (veya toplar) '") + qtext(game.name()) +
            QStringLiteral("' çekilişinde çıkmazsa, doğal olarak, 6 (veya 5) tutturulamaz..."),
    });
}

QString bankoAdviceText() {
    return paragraphs({
        QStringLiteral(
            "Oynayacağınız kolon sayısı fazla değil ise, riskiniz artacağı için, torbadaki sayıları "
            "fazla turmak, kombinasyon sayısında aşırı artışa neden olacağından, doğru sayıları "
            "seçmiş olsanız dahi, 6 yada 5 tutturmanız zorlaşır. Ama, doğru (isabetli) seçeceğiniz "
            "bir yada iki banko, bankodan fire vermezseniz, az sayıda kolonla 6 yada 5 tutturma "
            "şansınızı önemli ölçüde artırır..."),
        QStringLiteral("Son haftalarda en çok çıkmış ve en az çıkmış topları atıp, kalan toplardan bir yada "
                       "iki banko seçmeniz daha iyi olabilir..."),
        QStringLiteral(
            "En az ve en çok çıkan toplar dışında seçeceğiniz bir veya iki banko top, hem programın "
            "işlem süresini kısaltır, hem de formüllü kolon sayısında önemli düşüş sağlar..."),
    });
}

} // namespace velmorix
