"""Waiting for what other processes do, within a bound."""
import time

# How long a round trip through other processes may take before a test gives
# up: a posted move landing, a window showing, a bar coming forward. A test
# that passes waits only as long as it must; this is the bound for a slow,
# loaded machine, where the 32-bit Wine takes several times its usual time.
SETTLE = 15


def wait_until(condition, timeout=10.0, interval=0.05, message='condition'):
    """Polls until condition() gives a true value, which is returned. `message`
    may be a callable, asked at the deadline, so that it tells what was seen then."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError('timed out after %.0f s waiting for %s' % (
                timeout, message() if callable(message) else message))
        time.sleep(interval)
