"""Finds presses that form the picture of a Slide game, for a player who knows the board.

In Slide a tile moves into the gap from above, below, or just before or after it in reading order
(row ends are neighbours). So the gap walks freely along the reading order, and a tile four cells
after the gap jumps back over three others: the pieces, read in order without the gap, turn by one
within any four in a row. Those turns sort the first nine pieces one by one; a search over the few
arrangements of the last six sorts the rest. Not the fewest moves: about 130 presses on average.
"""

from collections import deque


def _rotations(seq, window, right):
    s = list(seq)
    part = s[window:window + 4]
    s[window:window + 4] = part[-1:] + part[:-1] if right else part[1:] + part[:1]
    return s


def _tail_plan(tail, first):
    """Rotations of 4-cell windows from `first` on that sort `tail` (the last pieces)."""
    goal = tuple(sorted(tail))
    start = tuple(tail)
    windows = range(first, first + len(tail) - 3)
    seen = {start: None}
    queue = deque([start])
    while queue:
        state = queue.popleft()
        if state == goal:
            break
        for w in windows:
            for right in (True, False):
                s = list(state)
                k = w - first
                part = s[k:k + 4]
                s[k:k + 4] = part[-1:] + part[:-1] if right else part[1:] + part[:1]
                s = tuple(s)
                if s not in seen:
                    seen[s] = (state, (w, right))
                    queue.append(s)
    plan = []
    state = goal
    while seen[state] is not None:
        state, step = seen[state]
        plan.append(step)
    return plan[::-1]


def rotations(cells):
    """Turns (window, right) that sort the pieces 1..15 of `cells` (reading order, 0 = gap)."""
    seq = [piece for piece in cells if piece]
    plan = []
    for t in range(9):
        j = seq.index(t + 1)
        while j - t >= 3:
            plan.append((j - 3, True))
            seq = _rotations(seq, j - 3, True)
            j -= 3
        for _ in range(j - t):
            plan.append((t, False))
            seq = _rotations(seq, t, False)
    for w, right in _tail_plan(seq[9:], 9):
        plan.append((w, right))
        seq = _rotations(seq, w, right)
    assert seq == list(range(1, 16)), seq
    return plan


def presses(cells):
    """The cells to press, in order, that form the picture from `cells` in Slide."""
    cells = list(cells)
    gap = cells.index(0)
    out = []

    def press(cell):
        nonlocal gap
        cells[gap], cells[cell] = cells[cell], 0
        out.append(cell)
        gap = cell

    def walk(to):
        while gap != to:
            press(gap + 1 if to > gap else gap - 1)

    for window, right in rotations(cells):
        if right:
            walk(window)
            press(window + 4)
        else:
            walk(window + 4)
            press(window)
    walk(15)
    assert cells == list(range(1, 16)) + [0], cells
    return out
