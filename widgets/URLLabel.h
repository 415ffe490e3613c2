#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A label that opens a web address in the default browser when clicked and then shows its visited colour.
class TURLLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QColor VisitedColor READ VisitedColor WRITE SetVisitedColor)
    Q_PROPERTY(bool Visited READ Visited WRITE SetVisited)

  public:
    explicit TURLLabel(QWidget* parent = nullptr);
    TURLLabel(const QString& caption, QWidget* parent = nullptr);

    QString URL() const { return FURL; }
    void SetURL(const QString& url);
    QColor Color() const { return FColor; }
    void SetColor(const QColor& colour);
    QColor VisitedColor() const { return FVisitedColor; }
    void SetVisitedColor(const QColor& colour);
    bool Visited() const { return FVisited; }
    void SetVisited(bool visited);

    // The colour the text shows now: the visited colour once the link has been followed.
    QColor ShownColor() const { return FVisited ? FVisitedColor : FColor; }

    // Opens the address as a click does; false when there is no address or the desktop refused it.
    bool Follow();

  signals:
    void Clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void ApplyLook();

    QString FURL;
    QColor FColor;
    QColor FVisitedColor;
    bool FVisited = false;
    bool FPressed = false;
};
