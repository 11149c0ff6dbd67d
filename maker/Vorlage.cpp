#include "maker/Vorlage.h"

// Short on purpose: filled in, it must leave room in the installer's 2000 bytes for a dozen file
// lines. No help line begins with "#", so none of them is taken for a setting.
std::string Vorlage() {
  const std::string gleich(30, '=');
  const std::string strich(30, '-');
  return "Codierung:\n"
         "#ZQ1#\n" +
         gleich + "\n"
         "Wie soll das Programm bei der Installation genannt werden?\n" +
         strich + "\n"
         "Der Name steht in der Titelleiste und im Ziel-Pfad.\n"
         "Beispiel: #n=mein Super-Programm\n"
         "#n=\n" +
         gleich + "\n"
         "In welchen Zielpfad sollen die Dateien kopiert werden? Möglich sind:\n" +
         strich + "\n"
         "P = Programme-Ordner + Name, D = Anwendungsdaten aller Benutzer + Name,\n"
         "W = Windows-Ordner, oder ein Pfad mit Laufwerk wie C:\\Werkzeuge\\Name\n"
         "Beispiel: #z=P\n"
         "#z=P\n" +
         gleich + "\n"
         "In welchen Menüs soll das Programm später sein? Möglich sind:\n" +
         strich + "\n"
         "1 = Desktop, 2 = Startmenü, 3 = Schnellstart,\n"
         "4 = Explorer-Menü für Ordner, 5 = Explorer-Menü für Dateien\n"
         "Beispiel: #m=135\n"
         "#m=135\n" +
         gleich + "\n"
         "Welche Dateien sollen kopiert werden?\n" +
         strich + "\n"
         "Je Datei eine Zeile: Dateiname, Menütext, Parameter, durch Kommas getrennt.\n"
         "Ohne Menütext wird die Datei nur kopiert. Mit ? statt d darf sie fehlen.\n"
         "Beispiel: #d=Meine Datei.exe,Mein Menü-Text\n"
         "#d=\n" +
         gleich + "\n"
         "#ZQ1#\n";
}
