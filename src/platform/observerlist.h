#pragma once

#include <algorithm>
#include <vector>

namespace kx {

// The observers of one subject, not owned: each is added once, in order, and must be removed
// before it dies.
template <typename Observer> class ObserverList
{
public:
    void add(Observer* observer)
    {
        if (observer != nullptr &&
            std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
            m_observers.push_back(observer);
        }
    }

    void remove(Observer* observer)
    {
        m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                          m_observers.end());
    }

    // Calls call(observer) for each observer, in the order they were added.
    template <typename Call> void forEach(Call&& call) const
    {
        for (Observer* observer : m_observers) {
            call(*observer);
        }
    }

    // The same over a copy, for notifications during which an observer may come or go.
    template <typename Call> void forEachOfCopy(Call&& call) const
    {
        const std::vector<Observer*> observers = m_observers;
        for (Observer* observer : observers) {
            call(*observer);
        }
    }

private:
    std::vector<Observer*> m_observers;
};

} // namespace kx
