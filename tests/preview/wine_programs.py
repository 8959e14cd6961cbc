"""The Windows programs of this folder, run under Wine."""
import os

import harness


def program(variable):
    """The path of a built program, from the test's environment."""
    path = os.environ.get(variable, "")
    if not os.path.isfile(path):
        raise harness.HarnessError(f"{variable} names no built program: {path!r}")
    return path


def output_text(process):
    return process.output().decode("latin-1").replace("\r\n", "\n")


def run_to_end(session, path, *args, timeout=300):
    """Runs a program to its end; returns its exit code and output. One still
    running after timeout seconds fails, naming the message boxes it shows."""
    process = session.start(path, *args)
    try:
        harness.wait_until(lambda: not process.running(), timeout, interval=0.5,
                           what=f"{os.path.basename(path)} {' '.join(args)} to end")
    except harness.HarnessError as error:
        boxes = session.message_boxes()
        process.kill()
        raise harness.HarnessError(f"{error}\nmessage boxes: {boxes}\noutput:\n{output_text(process)}") from None
    return process.wait(timeout=10), output_text(process)
