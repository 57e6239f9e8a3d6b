#include "ProhibitTexts.h"

#include "core/Game.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

#include <QStringList>

namespace velmorix::prohibittexts {

namespace {

const QString Warning = QStringLiteral(
    "UYARI! 'EVET' derseniz kombinasyon listesi ve aktif toplar (torba ve banko seçimi) etkilenecek...");

} // namespace

QString windowTitle() {
    return programTitle() + QStringLiteral("  [ YASAKLAR & ZORUNLULUKLAR ]");
}
QString spacedProgramTitle() {
    return QLatin1Char(' ') + programTitle();
}
QString playedTitle() {
    return QLatin1Char(' ') + programTitleLong();
}
QString refusedDrawTitle() {
    return QStringLiteral("! ") + programTitle() + QStringLiteral(" !");
}

QString invalidBox(int box) {
    return qnumber(box) + QStringLiteral(". kutudaki sayı geçerli değil! (Doğru girin!)");
}
QString repeatedBox(int box, int same) {
    return qnumber(box) + QStringLiteral(". kutudaki sayı") + qnumber(same) +
           QStringLiteral(". kutudaki ile aynı! (Değiştirin!)");
}
QString bankerQuestion() {
    return QStringLiteral("Test edilen kombinasyon banko koşuluna uymuyor!\r\r"
                          "Test (banko koşulu ihmal edilerek) devam etsin mi?");
}
QString bagQuestion() {
    return QStringLiteral("Test edilen kombinasyondaki toplardan en az biri torbada yer almıyor!\r\r"
                          "Test (torba koşulu ihmal edilerek) devam etsin mi?");
}
QString columnFits(int sum) {
    return QStringLiteral("Test edilen Kombinasyon koşullara uygun.\r\rSayı Toplamı= ") + qnumber(sum);
}
QString columnFails() {
    return QStringLiteral("Test edilen Kombinasyon koşullara uygun değil.");
}
QString fitsTitle() {
    return QStringLiteral("! UYGUN !");
}
QString failsTitle() {
    return QStringLiteral("! UYGUN DEĞİL !");
}
QString savePlayedQuestion() {
    return QStringLiteral("Görünen kombinasyonu oynanan kolonlara eklemek (VELMORIX.OKL dosyasına "
                          "kayıtlamak) istiyormusunuz ?");
}
QString playedSaved(int recordNumber) {
    return QStringLiteral("Kolon VELMORIX.OKL dosyasına kayıtlandı.\r\rKayıt Numarası=") +
           qnumber(recordNumber);
}
QString tooFewBalls() {
    return QStringLiteral("En az 6 top seçmeniz gerekir !");
}

QString resultsToBagQuestion() {
    return QStringLiteral("Topları önceden çıkan sonuçlara göre değiştirmek istiyormusunuz ?\r\r") + Warning;
}
QString resultsToBankersQuestion() {
    return QStringLiteral(
               "Banko topları (topu) önceden çıkan sonuçlara göre değiştirmek istiyormusunuz ?\r\r") +
           Warning;
}
QString bagSize(int balls) {
    return QStringLiteral("Torbada") + qnumber(balls) + QStringLiteral(" top var.");
}
QString oneBanker(int ball) {
    return QStringLiteral("Banko Top:") + qnumber(ball);
}
QString twoBankers(int first, int second) {
    return QStringLiteral("Banko Toplar:") + qnumber(first) + QStringLiteral(" ,") + qnumber(second);
}
QString saveBallsQuestion() {
    return QStringLiteral("Topları VELMORIX.DAT dosyasına kayıtlamak istiyormusunuz ?");
}
QString ballsSaved() {
    return QStringLiteral("Seçilen toplar VELMORIX.DAT dosyasına kayıtlandı...");
}
QString deleteListQuestion() {
    return QStringLiteral("'VELMORIX.LST' dosyasını silmek istiyormusunuz ?");
}

QString functionKeys() {
    return QStringList{
        QStringLiteral("F1 = Filtreleri Kombinasyon Listesine Uygula"),
        QStringLiteral("F2 = Mevcut Kombinasyon Listesini Göster"),
        QStringLiteral("F3 = Sonuçları (Çıkan Kolonları) Göster"),
        QStringLiteral("F4 = Oynanan Kolonlar Listesini Göster"),
        QStringLiteral("F5 = Filtreleme Seçimini 'VELMORIX.FLT' Dosyasından Yükle"),
        QStringLiteral("F6 = Filtreleme Seçimini 'VELMORIX.FLT' Dosyasına Kayıtla"),
        QStringLiteral("F7 = Yasak İkilileri Göster/Değiştir"),
        QStringLiteral("F8 = Yasak Altılıları (Kombinasyonları) Göster/Değiştir"),
        QStringLiteral("F9 = Görünen Kombinasyonu Test Et"),
        QStringLiteral("F10 = Komut Yardımı"),
        QStringLiteral("F11 = Kombinasyonların Filtrelenme Amacı"),
        QStringLiteral("F12 = Kullanılan Terimlerin Anlamları"),
        QStringLiteral("ESC = Kapat"),
    }
        .join(QLatin1Char('\r'));
}

QString purposeTitle() {
    return QStringLiteral(" TESADÜFLER DÜZENLİ OLAMAZ !");
}

QString purpose(const Game& game) {
    return QStringLiteral(
               "SAYISAL LOTO oyunu yada kumarı rastgele çıkan sayılara dayanır. Loto'nun doğası "
               "tesadüfdür... "
               "Dolayısıyla, bir düzenlilik (düzenli bir kombinasyon) çok yüksek sayıda olası kombinasyondan "
               "biri "
               "olsa dahi, gerçekleşmesi kıyamet gününe kalabilir... Örneğin: Her zaman bir ihtimal olsa "
               "dahi, "
               "sayısal loto'da 1-2-3-4-5-6 ancak kıyamet gününde çıkabilir... (Daha önce çıkarsa zaten "
               "oynayanlar kıyameti kopartır...)") +
           QStringLiteral("\r\r") +
           QStringLiteral(
               "Sonuç olarak, (yukarıda açıklandığı gibi) 'VELMORIX 653 Dizimci' programının amacı ") +
           qtext(game.tag()) +
           QStringLiteral(
               " kombinasyonları içerisinde gerçekleşmesi beklenmeyen (beklenmemesi de doğal olan) "
               "düzenlilikleri "
               "eleyerek, oynanacak kolon sayısını azaltmaktır... Çünkü, bilgisayar desteği olmadan loto "
               "oynayan insanlar, bilinçaltındaki seçme-düzenleme eğilimi nedeniyle, tesadüfen seçtiklerini "
               "sansalar dahi, bir düzenlilik oluştururlar !... Örneğin: 5,10,15,20,25,30 bir düzenliliktir "
               "(n= n+5 bağıntısı)... yada 1,2,4,8,16,32 bir düzenliliktir (n= 2*n).");
}

QString meaningsTitle() {
    return QStringLiteral(" Kullanılan Terimlerin Anlamları");
}

QString meanings(const Game& game) {
    return QStringList{
        QStringLiteral("KOLON: Loto kuponundaki 6'lı."),
        QStringLiteral("KOMBİNASYON: 'n' elemanlı bir kümenin 'r' elemanlı alt kümelerinin herbiri."),
        QStringLiteral("FİLTRE: İstenmeyen kombinasyonları elemek için kullanılan koşul."),
        QStringLiteral(
            "TORBA: Rastgele yada formüllü kombinasyonlar elde edilmek üzere kullanılacak topların "
            "kümesi."),
        QStringLiteral("BANKO: Kullanılacak her bir kombinasyonda mutlaka yer alacak sayılar için kullanılan "
                       "terim."),
        QStringLiteral("SONUÇ: Daha önceden çıkmış ") + qtext(game.tag()) +
            QStringLiteral(" sayısal loto kolonu."),
        QStringLiteral("OYNANAN: Sayısal loto kuponuna yazılan veya yazılacak olan."),
        QStringLiteral("YASAK ALTILI: Benzeri ( 3 benzerden 6 benzere kadar) istenmeyen kombinasyon (6'lı)."),
        QStringLiteral("YASAK İKİLİ: Bir kombinasyonda birlikte yer alması istenmeyen iki sayı (ikili)."),
        QStringLiteral("BAĞINTI/İLİŞKİ: Toplar arasında matematik ifadesi olan bir düzenlilik."),
        QStringLiteral(
            "TEKRAR: Bir kombinasyonun kendisinden önceki bir kombinasyonla tamamen (r) veya kısmen "
            "(< r) aynı sayıları içermesi."),
    }
        .join(QLatin1Char('\r'));
}

QString about(const Game& game) {
    return QStringList{
        programTitle(),
        QStringLiteral("Bu program, ") + qtext(game.tag()) + QLatin1Char(' ') + qtext(game.name()) +
            QStringLiteral(" programının filtreleme (dizimci) uyarlamasıdır."),
        QStringLiteral(
            "Program bir oyun değildir. Rastgele yada formüllü olarak oluşturulan kombinasyon "
            "listelerindeki düzenlilikleri eleyerek, oynanacak kolon sayısını düşük tutmaya yarar..."),
    }
        .join(QStringLiteral("\r\r"));
}

QString credits() {
    return QStringList{
        QStringLiteral("Keyfi Guruplama Yöntemi ve 'Diğer Filtreler' seçenekleri, programı kullananların "
                       "önerileri üzerine programa eklenmiştir."),
        QStringLiteral("Keyfi Guruplama Yöntemi bu formdaki filtrelere dahil değildir. Oluşturacağınız "
                       "kombinasyon listesini ana menüden girilebilen Keyfi Guruplama formundan ayrıca "
                       "filtreleyebilirsiniz."),
        QStringLiteral("Programa gösterdiğiniz ilgiye teşekkür ederim."),
        QStringLiteral(
            "Programın kullanıcısına hayırlı olmasını ve hayata yeni bir başlangıç yapmasına olanak "
            "sağlamasını dilerim."),
    }
        .join(QStringLiteral("\r\r"));
}

} // namespace velmorix::prohibittexts
