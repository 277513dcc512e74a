<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OptionalFeaturesDialog</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Function Set</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>Time-out Timer</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Language Choose</source>
        <translation>语言选择</translation>
    </message>
    <message>
        <source>Vox Switch</source>
        <translation>声控开关</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先频道</translation>
    </message>
    <message>
        <source>Roger</source>
        <translation>结束提示音</translation>
    </message>
    <message>
        <source>Scrambler Activation</source>
        <translation>扰频启用</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>省电</translation>
    </message>
    <message>
        <source> ID</source>
        <translation> ID 设置</translation>
    </message>
    <message>
        <source>Group ID</source>
        <translation>组 ID</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>本机 ID</translation>
    </message>
    <message>
        <source>Call ID</source>
        <translation>呼叫 ID</translation>
    </message>
    <message>
        <source>Kill ID</source>
        <translation>遥毙 ID</translation>
    </message>
    <message>
        <source>Check ID</source>
        <translation>查询 ID</translation>
    </message>
    <message>
        <source>Listen ID</source>
        <translation>监听 ID</translation>
    </message>
    <message>
        <source>Begin of Tx</source>
        <translation>发射开始发码</translation>
    </message>
    <message>
        <source>End of Tx</source>
        <translation>发射结束发码</translation>
    </message>
    <message>
        <source>Frequent Mode Option</source>
        <translation>频率模式选项</translation>
    </message>
    <message>
        <source>Opt Signal In Frequent Mode</source>
        <translation>频率模式信令</translation>
    </message>
    <message>
        <source>Repeat Invert</source>
        <translation>中继信令反相</translation>
    </message>
    <message>
        <source>MIC Gain Level</source>
        <translation>麦克风增益</translation>
    </message>
    <message>
        <source>Audio Recieve Gain Level</source>
        <translation>接收音频增益</translation>
    </message>
    <message>
        <source>Modulation Gain Level</source>
        <translation>调制增益</translation>
    </message>
    <message>
        <source>Audio Output Gain Level</source>
        <translation>音频输出增益</translation>
    </message>
    <message>
        <source>compander</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Pre/De-emphasis</source>
        <translation>预加重/去加重</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
</context>
<context>
    <name>SideKeyDialog</name>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
    <message>
        <source>Side Key1</source>
        <translation>侧键1</translation>
    </message>
    <message>
        <source>Side Key2</source>
        <translation>侧键2</translation>
    </message>
    <message>
        <source>Short Press</source>
        <translation>短按</translation>
    </message>
    <message>
        <source>Long Press</source>
        <translation>长按</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
</TS>
