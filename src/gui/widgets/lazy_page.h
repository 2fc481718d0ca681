#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace trelkin::ui {

// A page that builds its content the first time it is shown, or when asked, so that start-up builds only what
// the first sight needs. Work that needs the content (filling it from the tables) waits until it is built.
class LazyPage : public QWidget {
    Q_OBJECT
public:
    using Build = std::function<QWidget*()>;

    explicit LazyPage(Build build, QWidget* parent = nullptr);

    bool isBuilt() const { return m_content != nullptr; }
    // Builds the content, if it is not built yet, and does the work that waited for it.
    QWidget* content();
    // Runs at once when the content is built, else right after it is.
    void whenBuilt(std::function<void()> work);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Build m_build;
    QWidget* m_content = nullptr;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace trelkin::ui
